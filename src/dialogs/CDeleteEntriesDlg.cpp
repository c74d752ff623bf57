#include "dialogs/CDeleteEntriesDlg.h"

#include "dialogs/DialogControls.h"

#include "workflows/DeleteEntriesWorkflow.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

CDeleteEntriesDlg::CDeleteEntriesDlg(DeleteEntriesWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(DeleteEntriesWorkflow::kTitle, parent)
    , m_workflow(workflow)
{
    const DeleteEntriesWorkflow::Texts& texts = workflow.GetTexts();
    AddLabel(this, texts.question, { 6, 8, 228, 28 }, true)->setObjectName("question");
    m_onWeb = AddCheckBox(this, texts.webChoice, { 6, 40, 228, 16 });
    m_onWeb->setObjectName("onWebBox");
    // The remain line takes the web choice's place when that is not offered.
    QLabel* remain = AddLabel(this, texts.remainLine, { 6, 40, 228, 16 });
    remain->setObjectName("remainLine");
    m_deletePhotos = AddCheckBox(this, texts.photoChoice, { 6, 62, 228, 16 });
    m_deletePhotos->setObjectName("deletePhotosBox");
    m_onWeb->setVisible(texts.showWebChoice);
    m_onWeb->setEnabled(texts.showWebChoice);
    remain->setVisible(texts.showRemainLine);

    auto buttons = AddButtonPair("Yes", "No");
    connect(buttons.accept, &QPushButton::clicked, this, [this] {
        Finish(m_workflow.Yes({ m_onWeb->isChecked(), m_deletePhotos->isChecked() }));
    });
    connect(buttons.cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);
}
