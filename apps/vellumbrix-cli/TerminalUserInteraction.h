#pragma once

#include "model/BlogPrompts.h"
#include "platform/UserInteraction.h"

#include <optional>

// Questions are asked on the terminal when there is one; otherwise --yes or
// --no answers them, and without either every question is answered No, so
// that nothing is ever deleted unasked. Messages go to stderr.
class TerminalUserInteraction
    : public UserInteraction
    , public BlogPrompts {
public:
    explicit TerminalUserInteraction(std::optional<bool> presetAnswer)
        : m_presetAnswer(presetAnswer)
    {
    }

    void ShowMessage(std::string_view text, MessageIcon icon) override;
    bool AskYesNo(std::string_view text, MessageIcon icon, DefaultButton defaultButton) override;
    bool CanAnswerQuestions() const override;
    NewVersionChoice ShowNewVersion(std::string_view version) override;
    void OpenWebPage(std::string_view url) override;
    void RequestQuit() override { }
    // A terminal has no preferences sheet: the blog keeps its defaults
    // (said on stderr) and the sheet counts as closed with OK.
    bool ShowBlogPreferences(CWinBlogStorage& store, BlogPreferencesPages pages) override;
    // Asked on the terminal without echo; without a terminal there is no
    // one to ask, which counts as Cancel. A password given on the command
    // line answers the first time; a wrong one is asked for again only on
    // a terminal.
    std::optional<std::string> AskViewPassword(std::string_view blogName) override;
    void SetViewPassword(std::optional<std::string> password) { m_viewPassword = std::move(password); }
    std::unique_ptr<ProgressWindow> OpenProgressWindow(int lines, bool showNow) override;

private:
    std::optional<bool> m_presetAnswer;
    std::optional<std::string> m_viewPassword;
};
