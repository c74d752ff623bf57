#include "dialogs/CCommentsDlg.h"

#include "dialogs/CCommentsListBox.h"
#include "dialogs/DialogControls.h"

#include "workflows/CommentsWorkflow.h"

#include <QPushButton>

CCommentsDlg::CCommentsDlg(CommentsWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(CommentsWorkflow::kTitle, parent)
    , m_workflow(workflow)
{
    m_list = Place(new CCommentsListBox(this), { 6, 6, 228, 228 });
    m_list->setObjectName("commentList");
    auto* add = AddButton(this, "Add...", { 6, 240, 54, 22 });
    auto* remove = AddButton(this, "Delete...", { 64, 240, 54, 22 });
    auto* view = AddButton(this, "View...", { 122, 240, 54, 22 });
    auto* done = AddButton(this, "Done", { 180, 240, 54, 22 });
    done->setObjectName("okButton");
    done->setDefault(true);
    Layout().SetGrowing(m_list);
    for (QPushButton* button : { add, remove, view, done })
        Layout().Anchor(button);
    Layout().IgnoreHeightsUpTo(CommentsWorkflow::kLowestLaidOutHeight);

    bool canChange = workflow.CanAddAndDelete();
    add->setEnabled(canChange);
    remove->setEnabled(canChange);
    view->setVisible(workflow.OffersView());
    view->setEnabled(workflow.OffersView());

    connect(add, &QPushButton::clicked, this, [this] { Fill(m_workflow.Add(Selected())); });
    connect(remove, &QPushButton::clicked, this, [this] { Fill(m_workflow.Delete(Selected())); });
    connect(view, &QPushButton::clicked, this, [this] { m_workflow.View(Selected()); });
    connect(done, &QPushButton::clicked, this, &CHandheldDialog::accept);

    Fill(workflow.Open());
    m_list->setFocus();
}

void CCommentsDlg::Fill(std::optional<size_t> selected)
{
    m_list->clear();
    for (const CommentsWorkflow::Item& item : m_workflow.Items())
        m_list->AddComment(item.text, item.wholeText);
    if (selected) {
        m_list->setCurrentRow(static_cast<int>(*selected));
        m_list->scrollToItem(m_list->currentItem());
    }
}

std::optional<size_t> CCommentsDlg::Selected() const
{
    int row = m_list->currentRow();
    if (row < 0 || !m_list->currentItem() || !m_list->currentItem()->isSelected())
        return std::nullopt;
    return static_cast<size_t>(row);
}
