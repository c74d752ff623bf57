#include "transport/XmlEntities.h"

#include <array>
#include <cstring>

namespace {

constexpr std::array<XmlEntity, 8> kEntities { {
    { "&amp;", '&' },
    { "&apos;", '\'' },
    { "&lt;", '<' },
    { "&gt;", '>' },
    { "&quot;", '"' },
    { "&#x9;", '\t' },
    { "&#xA;", '\n' },
    { "&#xD;", '\r' },
} };

}

std::span<const XmlEntity> XmlEntityTable()
{
    return kEntities;
}

std::string_view EntityForCharacter(char character)
{
    for (auto& entry : kEntities) {
        if (entry.character == character)
            return entry.entity;
    }
    return {};
}

void UnescapeEntities(char* text, std::uint32_t size)
{
    if (!text || size == 0)
        return;
    std::size_t length = ::strnlen(text, size);
    for (auto& entry : kEntities) {
        std::string_view current(text, length);
        std::size_t from = 0;
        for (;;) {
            std::size_t found = current.find(entry.entity, from);
            if (found == std::string_view::npos)
                break;
            text[found] = entry.character;
            std::size_t removed = entry.entity.size() - 1;
            std::memmove(text + found + 1, text + found + entry.entity.size(), length - found - entry.entity.size());
            length -= removed;
            current = std::string_view(text, length);
            from = found + 1;
        }
    }
    if (length < size)
        text[length] = '\0';
}
