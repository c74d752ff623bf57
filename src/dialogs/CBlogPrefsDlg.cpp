#include "dialogs/CBlogPrefsDlg.h"

#include "dialogs/CBlogPage.h"
#include "dialogs/CSyncPage.h"
#include "dialogs/DialogControls.h"

#include <QPushButton>
#include <QTabWidget>

CBlogPrefsDlg::CBlogPrefsDlg(BlogPrefsWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(BlogPrefsWorkflow::kTitle, parent)
    , m_workflow(workflow)
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName("pages");
    m_tabs->setTabPosition(QTabWidget::South);
    m_tabs->setDocumentMode(true);
    PlaceControl(m_tabs, { 0, 0, 240, 234 });
    for (BlogPrefsWorkflow::Page page : workflow.Pages()) {
        if (page == BlogPrefsWorkflow::Page::Blog) {
            m_blogPage = new CBlogPage(*workflow.BlogPage(), m_tabs);
            m_tabs->addTab(m_blogPage, "Blog");
        } else {
            m_syncPage = new CSyncPage(workflow.SyncPage(), m_tabs);
            m_tabs->addTab(m_syncPage, "Synching");
        }
    }
    m_tabs->setCurrentWidget(PageWidget(workflow.FirstPage()));
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] {
        m_workflow.PageOpened(m_tabs->currentWidget() == m_blogPage ? BlogPrefsWorkflow::Page::Blog : BlogPrefsWorkflow::Page::Sync);
    });

    auto buttons = AddButtonPair();
    connect(buttons.accept, &QPushButton::clicked, this, &CBlogPrefsDlg::Ok);
    connect(buttons.cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);
    Layout().SetGrowing(m_tabs);
}

QWidget* CBlogPrefsDlg::PageWidget(BlogPrefsWorkflow::Page page) const
{
    if (page == BlogPrefsWorkflow::Page::Blog)
        return m_blogPage;
    return m_syncPage;
}

void CBlogPrefsDlg::Ok()
{
    std::optional<BlogPageWorkflow::Controls> blog;
    if (m_blogPage)
        blog = m_blogPage->ReadControls();
    BlogPrefsWorkflow::Outcome outcome = m_workflow.Ok(m_syncPage->ReadControls(), blog);
    if (!outcome.dialog.closes)
        m_tabs->setCurrentWidget(PageWidget(outcome.page));
    Finish(outcome.dialog, [this, page = outcome.page](int field) {
        return page == BlogPrefsWorkflow::Page::Blog ? m_blogPage->Field(field) : m_syncPage->Field(field);
    });
}
