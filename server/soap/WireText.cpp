#include "server/soap/WireText.h"

#include <cstdint>

namespace {

// The escaped form of one byte, or null when it stands for itself.
const char* EntityFor(char c)
{
    switch (c) {
    case '&':
        return "&amp;";
    case '\'':
        return "&apos;";
    case '<':
        return "&lt;";
    case '>':
        return "&gt;";
    case '"':
        return "&quot;";
    case '\t':
        return "&#x9;";
    case '\n':
        return "&#xA;";
    case '\r':
        return "&#xD;";
    default:
        return nullptr;
    }
}

size_t EscapedSize(char c)
{
    const char* entity = EntityFor(c);
    return entity ? std::char_traits<char>::length(entity) : 1;
}

// Bytes in the UTF-8 sequence that starts with lead (1 for a stray byte).
size_t SequenceLength(unsigned char lead)
{
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

}

std::string EscapeWireText(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        if (const char* entity = EntityFor(c))
            escaped += entity;
        else
            escaped += c;
    }
    return escaped;
}

std::string FitEscaped(std::string_view text, size_t maxEscapedBytes)
{
    size_t used = 0;
    size_t position = 0;
    while (position < text.size()) {
        size_t length = SequenceLength(static_cast<unsigned char>(text[position]));
        if (position + length > text.size())
            break;
        size_t cost = 0;
        for (size_t i = 0; i < length; ++i)
            cost += EscapedSize(text[position + i]);
        if (used + cost > maxEscapedBytes)
            break;
        used += cost;
        position += length;
    }
    return std::string(text.substr(0, position));
}

bool IsValidUtf8(std::string_view text)
{
    size_t i = 0;
    while (i < text.size()) {
        auto lead = static_cast<unsigned char>(text[i]);
        if (lead == 0)
            return false;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        size_t length;
        std::uint32_t value;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            value = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            value = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            value = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k) {
            auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF.
        if ((length == 3 && value < 0x800) || (length == 4 && (value < 0x10000 || value > 0x10FFFF)) || (value >= 0xD800 && value <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}
