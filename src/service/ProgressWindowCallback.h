#pragma once

#include "platform/ProgressWindow.h"
#include "transport/Progress.h"

#include <string>

// The progress callback of the network operations, answered by a progress
// window (the context): each call steps the window; a reported step shows
// its text on line 1 (followed by "    DONE/TOTAL" within a series) and its
// detail on line 2; line 0 shows the window's title when one is set. The
// answer is false once the user has pressed Cancel.
class ProgressWindowCallback {
public:
    // Without a window every question is answered "go on".
    explicit ProgressWindowCallback(ProgressWindow* window, std::string title = {})
        : m_window(window)
        , m_title(std::move(title))
    {
    }

    ProgressCallback Callback() const { return &Answer; }
    void* Context() { return this; }

    void SetTitle(std::string title) { m_title = std::move(title); }
    ProgressWindow* Window() const { return m_window; }

    static bool Answer(void* context, const ProgressRecord* record, int reserved);

private:
    ProgressWindow* m_window;
    std::string m_title;
};
