#include "platform/HeadlessUserInteraction.h"

void HeadlessUserInteraction::ShowMessage(std::string_view text, MessageIcon icon)
{
    m_shown.push_back({ std::string(text), icon, false });
    if (m_echo)
        *m_echo << text << '\n';
}

bool HeadlessUserInteraction::AskYesNo(std::string_view text, MessageIcon icon, DefaultButton)
{
    m_shown.push_back({ std::string(text), icon, true });
    bool answer = m_fallback;
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    }
    if (m_echo)
        *m_echo << text << (answer ? " [yes]" : " [no]") << '\n';
    return answer;
}

NewVersionChoice HeadlessUserInteraction::ShowNewVersion(std::string_view version)
{
    m_shown.push_back({ "New version " + std::string(version), MessageIcon::Information, true });
    if (m_newVersionChoices.empty())
        return {};
    NewVersionChoice choice = m_newVersionChoices.front();
    m_newVersionChoices.pop_front();
    return choice;
}

void HeadlessUserInteraction::OpenWebPage(std::string_view url)
{
    m_openedPages.emplace_back(url);
}

bool HeadlessUserInteraction::PumpAndCheckCancel()
{
    ++m_pumps;
    if (m_cancelCountdown < 0)
        return false;
    if (m_cancelCountdown == 0)
        return true;
    --m_cancelCountdown;
    return false;
}
