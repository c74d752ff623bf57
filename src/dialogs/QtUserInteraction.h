#pragma once

#include "model/BlogPrompts.h"
#include "platform/UserInteraction.h"

class QWidget;

// The user interaction of the desktop program: real message boxes and
// dialogs, parented to the main window when there is one. It also prompts
// for the blog records (install it with both UserInteraction::Use and
// BlogPrompts::Use).
class QtUserInteraction
    : public UserInteraction
    , public BlogPrompts {
public:
    explicit QtUserInteraction(QWidget* parent = nullptr)
        : m_parent(parent)
    {
    }

    void SetParent(QWidget* parent) { m_parent = parent; }

    void ShowMessage(std::string_view text, MessageIcon icon) override;
    bool AskYesNo(std::string_view text, MessageIcon icon, DefaultButton defaultButton) override;
    NewVersionChoice ShowNewVersion(std::string_view version) override;
    void OpenWebPage(std::string_view url) override;
    void RequestQuit() override;
    // The blog preferences sheet (CBlogPrefsDlg) with the pages asked for.
    bool ShowBlogPreferences(CWinBlogStorage& store, BlogPreferencesPages pages) override;
    // The "Password Required" prompt (CGetViewPasswordDlg); an empty
    // password shows string 179 and the prompt stays.
    std::optional<std::string> AskViewPassword(std::string_view blogName) override;
    std::unique_ptr<ProgressWindow> OpenProgressWindow(int lines, bool showNow) override;

private:
    QWidget* m_parent { nullptr };
};
