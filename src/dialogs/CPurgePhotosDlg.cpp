#include "dialogs/CPurgePhotosDlg.h"

#include "workflows/PurgePhotosWorkflow.h"

#include <QLabel>
#include <QPushButton>

CPurgePhotosDlg::CPurgePhotosDlg(PurgePhotosWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(PurgePhotosWorkflow::kTitle, parent)
{
    AddLabel(this, PurgePhotosWorkflow::kQuestion, { 6, 8, 228, 42 }, true)->setObjectName("question");
    auto buttons = AddButtonPair("Yes", "No");
    connect(buttons.accept, &QPushButton::clicked, this, [this, &workflow] { Finish(workflow.Yes()); });
    connect(buttons.cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);
}
