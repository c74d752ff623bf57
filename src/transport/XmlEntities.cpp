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

// One pass replaces one entity everywhere, compacting the text from left
// to right as it goes; reading resumes after each replaced entity, so the
// character just produced is never read again in the same pass. Each pass
// is linear, however many entities the text holds.
static std::size_t ReplaceEntity(char* text, std::size_t length, const XmlEntity& entry)
{
    std::string_view entity = entry.entity;
    const char* first = static_cast<const char*>(std::memchr(text, '&', length));
    if (!first)
        return length;
    std::size_t read = static_cast<std::size_t>(first - text);
    std::size_t write = read;
    while (read < length) {
        if (text[read] == '&' && length - read >= entity.size() && std::memcmp(text + read, entity.data(), entity.size()) == 0) {
            text[write++] = entry.character;
            read += entity.size();
        } else {
            text[write++] = text[read++];
        }
    }
    return write;
}

void UnescapeEntities(char* text, std::uint32_t size)
{
    if (!text || size == 0)
        return;
    std::size_t length = ::strnlen(text, size);
    for (auto& entry : kEntities)
        length = ReplaceEntity(text, length, entry);
    if (length < size)
        text[length] = '\0';
}
