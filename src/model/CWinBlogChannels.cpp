#include "model/CWinBlogChannels.h"

#include "platform/CodePage.h"

static bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

static bool IsWhiteSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f' || c == u'\r' || c == u'\n';
}

void CWinBlogChannels::Parse(std::string_view text)
{
    RemoveAll();
    auto zero = text.find('\0');
    if (zero != std::string_view::npos)
        text = text.substr(0, zero);

    size_t position = 0;
    while (position < text.size() && IsLineEnd(text[position]))
        ++position;
    while (position < text.size()) {
        size_t end = position;
        while (end < text.size() && !IsLineEnd(text[end]))
            ++end;
        if (end == text.size())
            break;
        std::u16string line = SystemCodePageToUtf16(text.substr(position, end - position));
        std::u16string urlName = UrlNameOf(line);
        m_channels.push_back(std::make_unique<CWinBlogChannel>(std::move(line), std::move(urlName)));
        position = end;
        while (position < text.size() && IsLineEnd(text[position]))
            ++position;
    }
}

std::u16string CWinBlogChannels::UrlNameOf(std::u16string_view line)
{
    size_t start = 0;
    while (start < line.size() && IsWhiteSpace(line[start]))
        ++start;
    line.remove_prefix(start);
    auto space = line.find(u' ');
    if (space != std::u16string_view::npos)
        line = line.substr(0, space);
    return std::u16string(line);
}
