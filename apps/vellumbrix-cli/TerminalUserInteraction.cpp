#include "TerminalUserInteraction.h"

#include "TerminalProgressWindow.h"

#include <iostream>
#include "app/Messages.h"

#include <string>
#include <termios.h>
#include <unistd.h>

// String 179, shown when the password prompt is answered with nothing.
static constexpr StringId kEmptyPasswordMessage = 179;

static bool IsInteractive()
{
    return ::isatty(STDIN_FILENO) && ::isatty(STDERR_FILENO);
}

void TerminalUserInteraction::ShowMessage(std::string_view text, MessageIcon)
{
    std::cerr << text << "\n";
}

bool TerminalUserInteraction::CanAnswerQuestions() const
{
    return m_presetAnswer.has_value() || IsInteractive();
}

bool TerminalUserInteraction::AskYesNo(std::string_view text, MessageIcon, DefaultButton defaultButton)
{
    if (m_presetAnswer) {
        std::cerr << text << (*m_presetAnswer ? " yes" : " no") << "\n";
        return *m_presetAnswer;
    }
    if (!IsInteractive()) {
        std::cerr << text << " no (answer with --yes to agree)\n";
        return false;
    }
    for (;;) {
        std::cerr << text << (defaultButton == DefaultButton::Yes ? " [Y/n] " : " [y/N] ") << std::flush;
        std::string line;
        if (!std::getline(std::cin, line))
            return false;
        if (line.empty())
            return defaultButton == DefaultButton::Yes;
        if (line == "y" || line == "Y" || line == "yes")
            return true;
        if (line == "n" || line == "N" || line == "no")
            return false;
    }
}

NewVersionChoice TerminalUserInteraction::ShowNewVersion(std::string_view version)
{
    std::cerr << "A newer version of Vellumbrix is available: " << version << "\n";
    return {};
}

void TerminalUserInteraction::OpenWebPage(std::string_view url)
{
    std::cerr << "Open " << url << " in a web browser.\n";
}

bool TerminalUserInteraction::ShowBlogPreferences(CWinBlogStorage&, BlogPreferencesPages)
{
    std::cerr << "The blog keeps its default preferences (there is no preferences sheet on a terminal).\n";
    return true;
}

// Reads one line from the terminal with echo switched off.
static std::optional<std::string> ReadHiddenLine()
{
    termios saved {};
    bool restore = ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (restore) {
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    std::string line;
    bool read = static_cast<bool>(std::getline(std::cin, line));
    if (restore)
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    std::cerr << "\n";
    if (!read)
        return std::nullopt;
    return line;
}

std::optional<std::string> TerminalUserInteraction::AskViewPassword(std::string_view blogName)
{
    if (m_viewPassword && !m_viewPassword->empty()) {
        std::string given = std::move(*m_viewPassword);
        m_viewPassword.reset();
        return given;
    }
    if (!IsInteractive()) {
        std::cerr << "The blog " << blogName << " needs its view password; there is no terminal to ask it on.\n";
        return std::nullopt;
    }
    for (;;) {
        std::cerr << "Please enter the view password for the blog " << blogName << ": " << std::flush;
        auto password = ReadHiddenLine();
        if (!password)
            return std::nullopt;
        if (!password->empty())
            return password;
        std::cerr << LoadString(kEmptyPasswordMessage) << "\n";
    }
}

std::unique_ptr<ProgressWindow> TerminalUserInteraction::OpenProgressWindow(int lines, bool)
{
    return std::make_unique<TerminalProgressWindow>(lines);
}
