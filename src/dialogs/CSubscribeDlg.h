#pragma once

#include "dialogs/CHandheldDialog.h"

#include <array>

class CSyncPage;
class LimitedLineEdit;
class QPushButton;
class SubscribeWorkflow;

// "Subscribe": page 0 takes the Blog URL (typed, or picked with
// "Browse..."), page 1 the new blog's sync settings; the button that moves
// on reads "Next" on page 0 and "Subscribe" on page 1.
class CSubscribeDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CSubscribeDlg(SubscribeWorkflow& workflow, QWidget* parent = nullptr);

    // Shows the controls of a page (0 or 1), hides the other's and labels
    // the button for it.
    void ShowPage(int page);
    int ShownPage() const { return m_shownPage; }

private:
    void Next();
    void Browse();
    QWidget* Field(int field) const;

    SubscribeWorkflow& m_workflow;
    std::array<QWidget*, 2> m_pages {};
    int m_shownPage { 0 };
    LimitedLineEdit* m_url;
    CSyncPage* m_settings;
    QPushButton* m_next;
};
