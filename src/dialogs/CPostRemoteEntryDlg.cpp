#include "dialogs/CPostRemoteEntryDlg.h"

#include "dialogs/DialogControls.h"
#include "dialogs/LimitedLineEdit.h"
#include "dialogs/LimitedTextEdit.h"
#include "dialogs/QtText.h"

#include <QComboBox>
#include <QPushButton>

CPostRemoteEntryDlg::CPostRemoteEntryDlg(PostRemoteEntryWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(PostRemoteEntryWorkflow::kTitle, parent)
    , m_workflow(workflow)
{
    AddLabel(this, "Blog:", { 6, 9, 40, 14 });
    m_remoteBlog = AddDropDownList(this, { 46, 6, 188, 20 });
    m_remoteBlog->setObjectName("remoteBlogList");
    AddLabel(this, "Title:", { 6, 33, 40, 14 });
    m_title = AddEdit(this, PostRemoteEntryWorkflow::kTitleLimit, { 46, 30, 188, 20 });
    m_title->setObjectName("titleField");
    AddLabel(this, "Post:", { 6, 56, 228, 14 });
    m_text = AddMultiLineEdit(this, PostRemoteEntryWorkflow::kTextLimit, { 6, 72, 228, 162 });
    m_text->setObjectName("textField");
    auto buttons = AddButtonPair("Publish", "Cancel");
    Layout().SetGrowing(m_text);
    Layout().IgnoreHeightsUpTo(PostRemoteEntryWorkflow::kLowestLaidOutHeight);

    connect(buttons.accept, &QPushButton::clicked, this,
        [this] { Finish(m_workflow.Publish(ReadControls()), [this](int field) { return Field(field); }); });
    connect(buttons.cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);

    PostRemoteEntryWorkflow::Controls opening = workflow.Opening();
    QStringList names;
    for (const std::u16string& name : workflow.RemoteBlogs())
        names << ToQString(name);
    FillList(m_remoteBlog, names, opening.remoteBlog);
    m_title->SetText(ToQString(opening.title));
    m_text->SetText(opening.text);
    m_title->selectAll();
    m_title->setFocus();
}

PostRemoteEntryWorkflow::Controls CPostRemoteEntryDlg::ReadControls() const
{
    return { ChosenItem(m_remoteBlog), m_title->Text(), m_text->Text() };
}

QWidget* CPostRemoteEntryDlg::Field(int field) const
{
    switch (field) {
    case PostRemoteEntryWorkflow::kRemoteBlogField:
        return m_remoteBlog;
    case PostRemoteEntryWorkflow::kTitleField:
        return m_title;
    default:
        return m_text;
    }
}
