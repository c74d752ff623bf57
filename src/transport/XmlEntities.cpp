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
// is linear, however many entities the text holds, and the text between
// two ampersands moves in one piece.
static std::size_t ReplaceEntity(char* text, std::size_t length, const XmlEntity& entry)
{
    std::string_view entity = entry.entity;
    auto nextAmpersand = [&](std::size_t from) {
        const void* found = from < length ? std::memchr(text + from, '&', length - from) : nullptr;
        return found ? static_cast<std::size_t>(static_cast<const char*>(found) - text) : length;
    };
    std::size_t read = nextAmpersand(0);
    std::size_t write = read;
    while (read < length) {
        // text[read] is an ampersand.
        if (length - read >= entity.size() && std::memcmp(text + read, entity.data(), entity.size()) == 0) {
            text[write++] = entry.character;
            read += entity.size();
        } else {
            text[write++] = text[read++];
        }
        std::size_t next = nextAmpersand(read);
        std::memmove(text + write, text + read, next - read);
        write += next - read;
        read = next;
    }
    return write;
}

void UnescapeEntities(char* text, std::uint32_t size)
{
    if (!text || size == 0)
        return;
    std::size_t length = ::strnlen(text, size);
    if (!std::memchr(text, '&', length))
        return;
    for (auto& entry : kEntities)
        length = ReplaceEntity(text, length, entry);
    if (length < size)
        text[length] = '\0';
}
