#include "dialogs/CEditBlogListDlg.h"

#include "dialogs/DialogControls.h"
#include "dialogs/QtText.h"

#include "workflows/EditBlogListWorkflow.h"

#include <QListWidget>
#include <QPushButton>

CEditBlogListDlg::CEditBlogListDlg(EditBlogListWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(EditBlogListWorkflow::kTitle, parent)
    , m_workflow(workflow)
{
    AddHeading(this, EditBlogListWorkflow::kTitle, { 6, 4, 228, 20 }, true);
    m_list = Place(new QListWidget(this), { 6, 28, 228, 178 });
    m_list->setObjectName("blogList");
    m_unsubscribe = AddButton(this, EditBlogListWorkflow::kUnsubscribeButton, { 6, 212, 110, 22 });
    m_unsubscribe->setObjectName("unsubscribeButton");
    m_blogPrefs = AddButton(this, EditBlogListWorkflow::kBlogPrefsButton, { 124, 212, 110, 22 });
    m_blogPrefs->setObjectName("blogPrefsButton");
    QPushButton* ok = AddButton(this, "OK", { 162, 240, 72, 22 });
    ok->setObjectName("okButton");
    ok->setDefault(true);
    Layout().SetGrowing(m_list);
    Layout().Anchor(m_unsubscribe);
    Layout().Anchor(m_blogPrefs);
    Layout().Anchor(ok);

    connect(m_unsubscribe, &QPushButton::clicked, this, [this] {
        std::optional<size_t> selection = Selection();
        if (m_workflow.Unsubscribe(selection))
            FillList(m_workflow.Items().empty() ? std::nullopt : std::optional(std::min(*selection, m_workflow.Items().size() - 1)));
    });
    connect(m_blogPrefs, &QPushButton::clicked, this, [this] { FillList(m_workflow.EditBlogPrefs(Selection())); });
    connect(ok, &QPushButton::clicked, this, &CHandheldDialog::accept);
    connect(m_list, &QListWidget::currentRowChanged, this, &CEditBlogListDlg::UpdateButtons);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &CEditBlogListDlg::UpdateButtons);
    FillList(workflow.FirstSelection());
}

void CEditBlogListDlg::FillList(std::optional<size_t> selection)
{
    m_list->clear();
    for (const EditBlogListWorkflow::Item& item : m_workflow.Items())
        m_list->addItem(ToQString(item.text));
    if (selection && *selection < m_workflow.Items().size())
        m_list->setCurrentRow(static_cast<int>(*selection));
    UpdateButtons();
}

std::optional<size_t> CEditBlogListDlg::Selection() const
{
    return SelectedRow(m_list);
}

void CEditBlogListDlg::UpdateButtons()
{
    bool chosen = m_workflow.CanEdit(Selection());
    m_unsubscribe->setEnabled(chosen);
    m_blogPrefs->setEnabled(chosen);
}
