#pragma once

#include "dialogs/CHandheldDialog.h"

class EditCategoriesWorkflow;
class QListWidget;
class QPushButton;

// "Edit Categories": the blog's categories, made, renamed and deleted
// through the category name dialog; "Done" saves.
class CEditCategoriesDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CEditCategoriesDlg(EditCategoriesWorkflow& workflow, QWidget* parent = nullptr);

private:
    void FillList(std::optional<size_t> selection);
    std::optional<size_t> Selection() const;
    void UpdateButtons();
    void NewCategory();
    void EditCategory();
    void DeleteCategory();

    EditCategoriesWorkflow& m_workflow;
    QListWidget* m_list;
    QPushButton* m_edit;
    QPushButton* m_delete;
};
