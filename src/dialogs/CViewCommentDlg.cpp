#include "dialogs/CViewCommentDlg.h"

#include "dialogs/DialogControls.h"
#include "dialogs/LimitedTextEdit.h"
#include "dialogs/ReadingField.h"

#include "platform/CodePage.h"
#include "workflows/ViewCommentWorkflow.h"

#include <QPushButton>

CViewCommentDlg::CViewCommentDlg(const ViewCommentWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(ViewCommentWorkflow::kTitle, parent)
{
    auto* comment = AddReadingField(this, Utf8ToUtf16(workflow.GetCaption()), { 6, 6, 228, 228 });
    comment->setObjectName("commentField");
    AcceptOnCloseKey(*this, *comment);
    auto* ok = AddButton(this, "OK", { 162, 240, 72, 22 });
    ok->setObjectName("okButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CHandheldDialog::accept);
    Layout().SetGrowing(comment);
    Layout().Anchor(ok);
}
