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
    void SetFallbackAnswer(bool yes) { m_fallback = yes; }
    void ScriptNewVersionChoice(NewVersionChoice choice) { m_newVersionChoices.push_back(choice); }
    // The Cancel button of the progress windows is pressed once IsCancelled
    // has been asked this many more times (0 = at the next question); it
    // stays pressed.
    void ScriptCancelAfter(int checks) { m_cancelCountdown = checks; }

    const std::vector<Shown>& ShownMessages() const { return m_shown; }
    const std::vector<std::string>& OpenedPages() const { return m_openedPages; }
    bool QuitRequested() const { return m_quitRequested; }
    // Every progress window opened so far, oldest first.
    const std::vector<std::shared_ptr<ProgressRecord>>& ProgressWindows() const { return m_progressWindows; }
    size_t UnusedAnswers() const { return m_answers.size(); }

    void ShowMessage(std::string_view text, MessageIcon icon) override;
    bool AskYesNo(std::string_view text, MessageIcon icon, DefaultButton defaultButton) override;
    NewVersionChoice ShowNewVersion(std::string_view version) override;
    void OpenWebPage(std::string_view url) override;
    void RequestQuit() override { m_quitRequested = true; }
    std::unique_ptr<ProgressWindow> OpenProgressWindow(int lines, bool showNow) override;

    // One question "has the user cancelled?", answered from the script.
    bool CancelPressed();

private:
    std::ostream* m_echo { nullptr };
    std::deque<bool> m_answers;
    bool m_fallback { false };
    std::deque<NewVersionChoice> m_newVersionChoices;
    int m_cancelCountdown { -1 };
    std::vector<Shown> m_shown;
    std::vector<std::string> m_openedPages;
    std::vector<std::shared_ptr<ProgressRecord>> m_progressWindows;
    bool m_quitRequested { false };
};
