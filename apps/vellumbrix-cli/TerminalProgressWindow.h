#pragma once

#include "platform/ProgressWindow.h"

#include <csignal>
#include <string>
#include <vector>

// Progress on a terminal: what the window would show goes to stderr, one
// line each time it changes: the title (line 0) in brackets, the step with
// its place in a series (line 1) and the record it works on (line 2). Ctrl-C
// presses Cancel: the operation stops at its next check, cleanly, instead
// of being killed halfway; a second Ctrl-C ends the program at once.
class TerminalProgressWindow : public ProgressWindow {
public:
    explicit TerminalProgressWindow(int lines);
    ~TerminalProgressWindow() override;

    void Show() override { }
    void SetLine(int index, std::string_view text) override;
    void ClearStatus() override;
    void Step() override { Flush(); }
    bool IsCancelled() override;

private:
    // Writes the status when it changed since it was last written.
    void Flush();

    std::vector<std::string> m_lines;
    bool m_changed { false };
    struct sigaction m_previousHandler { };
};
