#include "TerminalProgressWindow.h"

#include <iostream>

static volatile std::sig_atomic_t g_interrupted = 0;

static void OnInterrupt(int)
{
    g_interrupted = 1;
}

TerminalProgressWindow::TerminalProgressWindow(int lines)
    : m_lines(static_cast<size_t>(lines > 0 ? lines : 1))
{
    g_interrupted = 0;
    struct sigaction action { };
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &m_previousHandler);
}

TerminalProgressWindow::~TerminalProgressWindow()
{
    sigaction(SIGINT, &m_previousHandler, nullptr);
}

void TerminalProgressWindow::SetLine(int index, std::string_view text)
{
    if (index < 0 || static_cast<size_t>(index) >= m_lines.size() || m_lines[static_cast<size_t>(index)] == text)
        return;
    m_lines[static_cast<size_t>(index)] = std::string(text);
    if (!text.empty())
        std::cerr << text << "\n";
}

void TerminalProgressWindow::ClearStatus()
{
    for (size_t i = 1; i < m_lines.size(); ++i)
        m_lines[i].clear();
}

bool TerminalProgressWindow::IsCancelled()
{
    return g_interrupted != 0;
}
