#include "dialogs/CEditCategoriesDlg.h"

#include "dialogs/CCategoryNameDlg.h"
#include "dialogs/DialogControls.h"
#include "dialogs/QtText.h"

#include "workflows/CategoryNameWorkflow.h"
#include "workflows/EditCategoriesWorkflow.h"

#include "model/CWinBlogStorage.h"

#include <QListWidget>
#include <QPushButton>

CEditCategoriesDlg::CEditCategoriesDlg(EditCategoriesWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(EditCategoriesWorkflow::kTitle, parent)
    , m_workflow(workflow)
{
    m_list = new QListWidget(this);
    m_list->setObjectName("categoryList");
    PlaceControl(m_list, { 6, 6, 228, 200 });
    auto* add = AddButton(this, "New...", { 6, 212, 72, 22 });
    m_edit = AddButton(this, "Edit...", { 84, 212, 72, 22 });
    m_delete = AddButton(this, "Delete...", { 162, 212, 72, 22 });
    auto buttons = AddButtonPair("Done", "Cancel");
    Layout().SetGrowing(m_list);
    Layout().Anchor(add);
    Layout().Anchor(m_edit);
    Layout().Anchor(m_delete);

    connect(add, &QPushButton::clicked, this, &CEditCategoriesDlg::NewCategory);
    connect(m_edit, &QPushButton::clicked, this, &CEditCategoriesDlg::EditCategory);
    connect(m_delete, &QPushButton::clicked, this, &CEditCategoriesDlg::DeleteCategory);
    connect(buttons.accept, &QPushButton::clicked, this, [this] { Finish(m_workflow.Done()); });
    connect(buttons.cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);
    connect(m_list, &QListWidget::currentRowChanged, this, &CEditCategoriesDlg::UpdateButtons);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &CEditCategoriesDlg::UpdateButtons);
    FillList(workflow.FirstSelection());
}

void CEditCategoriesDlg::FillList(std::optional<size_t> selection)
{
    m_list->clear();
    for (const EditCategoriesWorkflow::Item& item : m_workflow.Items())
        m_list->addItem(ToQString(item.text));
    if (selection) {
        m_list->setCurrentRow(static_cast<int>(*selection));
        m_list->scrollToItem(m_list->currentItem());
    }
    UpdateButtons();
}

std::optional<size_t> CEditCategoriesDlg::Selection() const
{
    QListWidgetItem* item = m_list->currentItem();
    if (!item || !item->isSelected())
        return std::nullopt;
    return static_cast<size_t>(m_list->row(item));
}

void CEditCategoriesDlg::UpdateButtons()
{
    bool chosen = m_workflow.CanEditOrDelete(Selection());
    m_edit->setEnabled(chosen);
    m_delete->setEnabled(chosen);
}

void CEditCategoriesDlg::NewCategory()
{
    CategoryNameWorkflow naming(m_workflow.GetStore(), nullptr);
    CCategoryNameDlg dialog(naming, this);
    if (dialog.exec() != DialogResults::Ok)
        return;
    if (auto added = m_workflow.AddCategory(naming.GetName()))
        FillList(added);
}

void CEditCategoriesDlg::EditCategory()
{
    BlogAlbum* category = m_workflow.CategoryToEdit(Selection());
    if (!category)
        return;
    CategoryNameWorkflow naming(m_workflow.GetStore(), category);
    CCategoryNameDlg dialog(naming, this);
    if (dialog.exec() != DialogResults::Ok)
        return;
    FillList(m_workflow.RenameCategory(*category, naming.GetName()));
}

void CEditCategoriesDlg::DeleteCategory()
{
    if (m_workflow.DeleteCategory(Selection()))
        FillList(std::nullopt);
}
