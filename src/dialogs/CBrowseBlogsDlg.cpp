#include "dialogs/CBrowseBlogsDlg.h"

#include "dialogs/DialogControls.h"
#include "dialogs/QtText.h"

#include "workflows/BrowseBlogsWorkflow.h"

#include "model/CWinBlogChannel.h"

#include <QListWidget>
#include <QPushButton>

CBrowseBlogsDlg::CBrowseBlogsDlg(BrowseBlogsWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(BrowseBlogsWorkflow::kTitle, parent)
    , m_workflow(workflow)
{
    m_list = Place(new QListWidget(this), { 6, 6, 228, 226 });
    m_list->setObjectName("channelList");
    for (const CWinBlogChannel* channel : workflow.Items())
        m_list->addItem(ToQString(channel->GetDisplayLine()));
    auto buttons = AddButtonPair(BrowseBlogsWorkflow::kSubscribeButton, "Cancel");
    Layout().SetGrowing(m_list);

    connect(buttons.accept, &QPushButton::clicked, this, [this] { Finish(m_workflow.Subscribe(SelectedRow(m_list))); });
    connect(buttons.cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);
}
