#include "dialogs/CImageSelectDlg.h"

#include "app/StringTable.h"
#include "ui/CImageGridCtrl.h"
#include "workflows/ImageSelectWorkflow.h"

#include <QPushButton>

CImageSelectDlg::CImageSelectDlg(ImageSelectWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(LoadString(workflow.GetTitle()), parent)
{
    m_grid = Place(new CImageGridCtrl(workflow, this), { 0, 0, 240, 236 });
    m_grid->setObjectName("photoGrid");
    auto buttons = AddButtonPair();
    Layout().SetGrowing(m_grid);
    connect(buttons.accept, &QPushButton::clicked, this, [this, &workflow] { Finish(workflow.Ok()); });
    connect(buttons.cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);

    workflow.SearchDevice();
    m_grid->SetItemCount(static_cast<int>(workflow.GetItemCount()));
    m_grid->Select(0, true);
    m_grid->setFocus();
}
