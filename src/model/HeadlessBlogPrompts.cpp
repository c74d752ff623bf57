#include "model/HeadlessBlogPrompts.h"

bool HeadlessBlogPrompts::ShowBlogPreferences(CWinBlogStorage&, BlogPreferencesPages pages)
{
    m_preferencesSheets.push_back(pages);
    bool ok = true;
    if (!m_preferencesAnswers.empty()) {
        ok = m_preferencesAnswers.front();
        m_preferencesAnswers.pop_front();
    }
    if (m_echo)
        *m_echo << "Blog preferences" << (ok ? " [OK]" : " [Cancel]") << '\n';
    return ok;
}

std::optional<std::string> HeadlessBlogPrompts::AskViewPassword(std::string_view blogName)
{
    m_passwordPrompts.emplace_back(blogName);
    std::optional<std::string> password;
    if (!m_passwords.empty()) {
        password = std::move(m_passwords.front());
        m_passwords.pop_front();
    }
    // The real prompt does not close with an empty password.
    if (password && password->empty())
        password.reset();
    if (m_echo)
        *m_echo << "View password for " << blogName << (password ? " [OK]" : " [Cancel]") << '\n';
    return password;
}
