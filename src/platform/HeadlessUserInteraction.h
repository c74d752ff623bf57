#pragma once

#include "platform/UserInteraction.h"

#include <deque>
#include <ostream>
#include <string>
#include <vector>

// Answers every question from a script instead of a window: for tests and
// for the command-line program. Questions beyond the script get the
// fallback answer, which is No unless set otherwise, so that nothing is ever
// deleted by default. Everything shown is recorded.
class HeadlessUserInteraction : public UserInteraction {
public:
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
    // The Cancel button is pressed when PumpAndCheckCancel has been called
    // this many more times (0 = at the next call).
    void ScriptCancelAfter(int pumps) { m_cancelCountdown = pumps; }

    const std::vector<Shown>& ShownMessages() const { return m_shown; }
    const std::vector<std::string>& OpenedPages() const { return m_openedPages; }
    bool QuitRequested() const { return m_quitRequested; }
    int PumpCount() const { return m_pumps; }
    size_t UnusedAnswers() const { return m_answers.size(); }

    void ShowMessage(std::string_view text, MessageIcon icon) override;
    bool AskYesNo(std::string_view text, MessageIcon icon, DefaultButton defaultButton) override;
    NewVersionChoice ShowNewVersion(std::string_view version) override;
    void OpenWebPage(std::string_view url) override;
    void RequestQuit() override { m_quitRequested = true; }
    bool PumpAndCheckCancel() override;

private:
    std::ostream* m_echo { nullptr };
    std::deque<bool> m_answers;
    bool m_fallback { false };
    std::deque<NewVersionChoice> m_newVersionChoices;
    int m_cancelCountdown { -1 };
    int m_pumps { 0 };
    std::vector<Shown> m_shown;
    std::vector<std::string> m_openedPages;
    bool m_quitRequested { false };
};
