#pragma once

#include "platform/UserInteraction.h"

#include <deque>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// Answers every question from a script instead of a window: for tests and
// for the command-line program. Questions beyond the script get the
// fallback answer, which is No unless set otherwise, so that nothing is ever
// deleted by default. Everything shown is recorded.
class HeadlessUserInteraction : public UserInteraction {
public:
    // What a progress window went through, for tests to inspect.
    struct ProgressRecord {
        std::vector<std::string> lines;
        std::vector<std::vector<std::string>> lineHistory; // each SetLine by index
        bool shown { false };
        bool closed { false };
        int steps { 0 };
        int cancelChecks { 0 };
    };

    struct Shown {
        std::string text;
        MessageIcon icon;
        bool isQuestion;
    };

    HeadlessUserInteraction() = default;
    // Messages and questions are also written to `echo` when it is set.
    explicit HeadlessUserInteraction(std::ostream* echo)
        : m_echo(echo)
    {
    }

    void ScriptAnswer(bool yes) { m_answers.push_back(yes); }
    // How the next blog preferences sheet closes (OK when unscripted). The
    // sheet leaves the store as it is either way.
    void ScriptBlogPreferences(bool ok) { m_preferencesAnswers.push_back(ok); }
    // The next view-password prompt types this password (none: Cancel,
    // which is also the answer when unscripted).
    void ScriptViewPassword(std::optional<std::string> password) { m_passwords.push_back(std::move(password)); }
    void SetFallbackAnswer(bool yes) { m_fallback = yes; }
    void ScriptNewVersionChoice(NewVersionChoice choice) { m_newVersionChoices.push_back(choice); }
    // The Cancel button of the progress windows is pressed once IsCancelled
    // has been asked this many more times (0 = at the next question); it
    // stays pressed.
    void ScriptCancelAfter(int checks) { m_cancelCountdown = checks; }

    const std::vector<Shown>& ShownMessages() const { return m_shown; }
    const std::vector<std::string>& OpenedPages() const { return m_openedPages; }
    // The pages of every blog preferences sheet opened so far.
    const std::vector<BlogPreferencesPages>& PreferencesSheets() const { return m_preferencesSheets; }
    // The blog names of every view-password prompt so far.
    const std::vector<std::string>& PasswordPrompts() const { return m_passwordPrompts; }
    bool QuitRequested() const { return m_quitRequested; }
    // Every progress window opened so far, oldest first.
    const std::vector<std::shared_ptr<ProgressRecord>>& ProgressWindows() const { return m_progressWindows; }
    size_t UnusedAnswers() const { return m_answers.size(); }

    void ShowMessage(std::string_view text, MessageIcon icon) override;
    bool AskYesNo(std::string_view text, MessageIcon icon, DefaultButton defaultButton) override;
    NewVersionChoice ShowNewVersion(std::string_view version) override;
    void OpenWebPage(std::string_view url) override;
    void RequestQuit() override { m_quitRequested = true; }
    bool ShowBlogPreferences(CWinBlogStorage& store, BlogPreferencesPages pages) override;
    std::optional<std::string> AskViewPassword(std::string_view blogName) override;
    std::unique_ptr<ProgressWindow> OpenProgressWindow(int lines, bool showNow) override;

    // One question "has the user cancelled?", answered from the script.
    bool CancelPressed();

private:
    std::ostream* m_echo { nullptr };
    std::deque<bool> m_answers;
    bool m_fallback { false };
    std::deque<NewVersionChoice> m_newVersionChoices;
    std::deque<bool> m_preferencesAnswers;
    std::deque<std::optional<std::string>> m_passwords;
    std::vector<BlogPreferencesPages> m_preferencesSheets;
    std::vector<std::string> m_passwordPrompts;
    int m_cancelCountdown { -1 };
    std::vector<Shown> m_shown;
    std::vector<std::string> m_openedPages;
    std::vector<std::shared_ptr<ProgressRecord>> m_progressWindows;
    bool m_quitRequested { false };
};
