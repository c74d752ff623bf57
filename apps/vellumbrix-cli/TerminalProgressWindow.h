#pragma once

#include "platform/ProgressWindow.h"

#include <csignal>
#include <string>
#include <vector>

// Progress on a terminal: status lines are written to stderr as they
// change, and Ctrl-C presses Cancel (the operation stops at its next check
// instead of being killed half-way).
class TerminalProgressWindow : public ProgressWindow {
public:
    explicit TerminalProgressWindow(int lines);
    ~TerminalProgressWindow() override;

    void Show() override { }
    void SetLine(int index, std::string_view text) override;
    void ClearStatus() override;
    void Step() override { }
    bool IsCancelled() override;

private:
    std::vector<std::string> m_lines;
    struct sigaction m_previousHandler { };
};
