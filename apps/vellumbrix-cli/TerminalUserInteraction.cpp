#include "TerminalUserInteraction.h"

#include "TerminalProgressWindow.h"

#include <iostream>
#include <string>
#include <unistd.h>

void TerminalUserInteraction::ShowMessage(std::string_view text, MessageIcon)
{
    std::cerr << text << "\n";
}

bool TerminalUserInteraction::AskYesNo(std::string_view text, MessageIcon, DefaultButton defaultButton)
{
    if (m_presetAnswer) {
        std::cerr << text << (*m_presetAnswer ? " yes" : " no") << "\n";
        return *m_presetAnswer;
    }
    if (!::isatty(STDIN_FILENO) || !::isatty(STDERR_FILENO)) {
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

std::unique_ptr<ProgressWindow> TerminalUserInteraction::OpenProgressWindow(int lines, bool)
{
    return std::make_unique<TerminalProgressWindow>(lines);
}
