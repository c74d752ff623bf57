#include "transport/StreamPattern.h"

StreamPattern::StreamPattern(std::string_view literal)
    : m_literal(literal)
    , m_fallback(literal.size(), 0)
{
    // m_fallback[i]: length of the longest proper prefix of literal[0..i]
    // that is also its suffix.
    std::size_t length = 0;
    for (std::size_t i = 1; i < m_literal.size(); ++i) {
        while (length > 0 && m_literal[i] != m_literal[length])
            length = m_fallback[length - 1];
        if (m_literal[i] == m_literal[length])
            ++length;
        m_fallback[i] = length;
    }
}

bool StreamPattern::Feed(std::uint8_t byte)
{
    if (m_literal.empty())
        return true;
    char c = static_cast<char>(byte);
    while (m_matched > 0 && m_literal[m_matched] != c)
        m_matched = m_fallback[m_matched - 1];
    if (m_literal[m_matched] == c)
        ++m_matched;
    if (m_matched < m_literal.size())
        return false;
    m_matched = m_fallback[m_matched - 1];
    return true;
}
