#pragma once

#include <string_view>

// The small window in which a long operation runs: a title line and a few
// status lines, a busy animation and a Cancel button. The operation calls it
// regularly; each call lets the user interface handle pending events.
class ProgressWindow {
public:
    virtual ~ProgressWindow() = default;

    // Network operations open the window hidden and show it once connected.
    virtual void Show() = 0;
    // Line 0 is the title, lines 1 and up are status lines.
    virtual void SetLine(int index, std::string_view text) = 0;
    // Empties lines 1 and up.
    virtual void ClearStatus() = 0;
    // Handles pending events and advances the busy animation.
    virtual void Step() = 0;
    // Handles pending events; true once the user has pressed Cancel.
    virtual bool IsCancelled() = 0;
};
