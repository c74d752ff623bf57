#pragma once

#include "dialogs/CHandheldDialog.h"

#include "workflows/BlogPrefsWorkflow.h"

class CBlogPage;
class CSyncPage;
class QTabWidget;

// The blog preferences sheet, titled "Vellumbrix": the "Blog" and
// "Synching" pages as tabs along the bottom, as on the handheld, opening on
// "Synching". On OK the workflow has changed the blog's descriptor; the
// opener saves the store.
class CBlogPrefsDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CBlogPrefsDlg(BlogPrefsWorkflow& workflow, QWidget* parent = nullptr);

    QTabWidget* Tabs() const { return m_tabs; }

private:
    void Ok();
    QWidget* PageWidget(BlogPrefsWorkflow::Page page) const;

    BlogPrefsWorkflow& m_workflow;
    QTabWidget* m_tabs;
    CSyncPage* m_syncPage { nullptr };
    CBlogPage* m_blogPage { nullptr };
};
