#include "dialogs/CCaptionDlg.h"

#include "dialogs/DialogControls.h"
#include "dialogs/LimitedTextEdit.h"
#include "dialogs/ReadingField.h"

#include "workflows/CaptionWorkflow.h"

#include <QPushButton>

CCaptionDlg::CCaptionDlg(const CaptionWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(CaptionWorkflow::kTitle, parent)
{
    m_caption = AddReadingField(this, workflow.Caption(), { 6, 6, 228, 228 });
    m_caption->setObjectName("captionField");
    AcceptOnCloseKey(*this, *m_caption);

    auto* ok = AddButton(this, "OK", { 162, 240, 72, 22 });
    ok->setObjectName("okButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CHandheldDialog::accept);
    Layout().SetGrowing(m_caption);
    Layout().Anchor(ok);
}
