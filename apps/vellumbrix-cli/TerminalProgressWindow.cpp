#include "TerminalProgressWindow.h"

#include <iostream>

static volatile std::sig_atomic_t g_interrupted = 0;

static void OnInterrupt(int signal)
{
    if (g_interrupted) {
        // Asked twice: the user wants out now. Every file the program
        // writes is replaced whole or not at all, so nothing is half done.
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
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
    Flush();
    sigaction(SIGINT, &m_previousHandler, nullptr);
}

void TerminalProgressWindow::SetLine(int index, std::string_view text)
{
    if (index < 0 || static_cast<size_t>(index) >= m_lines.size() || m_lines[static_cast<size_t>(index)] == text)
        return;
    m_lines[static_cast<size_t>(index)] = std::string(text);
    m_changed = true;
}

void TerminalProgressWindow::ClearStatus()
{
    for (size_t i = 1; i < m_lines.size(); ++i)
        m_lines[i].clear();
}

bool TerminalProgressWindow::IsCancelled()
{
    Flush();
    return g_interrupted != 0;
}

void TerminalProgressWindow::Flush()
{
    if (!m_changed)
        return;
    m_changed = false;
    // A step without a text (an error report) shows nothing new.
    if (m_lines.size() > 1 && m_lines[1].empty())
        return;
    std::string line;
    if (!m_lines[0].empty())
        line = "[" + m_lines[0] + "] ";
    for (size_t i = 1; i < m_lines.size(); ++i) {
        if (m_lines[i].empty())
            continue;
        if (i > 1)
            line += " - ";
        line += m_lines[i];
    }
    if (!line.empty())
        std::cerr << line << "\n";
}
