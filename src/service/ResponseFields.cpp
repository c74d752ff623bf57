#include "service/ResponseFields.h"

#include "transport/StreamPattern.h"
#include "transport/XmlReader.h"

#include <cstring>

ResponseFieldReader::ResponseFieldReader(Stream& body)
    : m_body(body)
    , m_scratch(kLargestField)
{
}

void ResponseFieldReader::Text(std::string_view tag, std::uint32_t size, std::string& value)
{
    value.clear();
    if (FindText(m_body, tag))
        Value(size, value);
}

void ResponseFieldReader::Value(std::uint32_t size, std::string& value)
{
    value.clear();
    if (size == 0)
        return;
    if (size > m_scratch.size())
        m_scratch.resize(size);
    m_scratch[0] = '\0';
    // Whether the element was closed does not matter: a value cut off by
    // the end of the response is what there is of it.
    (void)ReadElementValue(m_body, m_scratch.data(), size, '>', '<');
    std::string_view text(m_scratch.data(), ::strnlen(m_scratch.data(), size));
    value.assign(text.substr(0, LengthWithoutSplitCharacter(text)));
}

std::string ResponseFieldReader::Text(std::string_view tag, std::uint32_t size)
{
    std::string value;
    Text(tag, size, value);
    return value;
}

std::uint32_t ResponseFieldReader::Number(std::string_view tag)
{
    return FindText(m_body, tag) ? ReadNumber(m_body) : 0;
}

bool ResponseFieldReader::DeletedMark()
{
    char flag[2] = {};
    if (!FindText(m_body, "D="))
        return false;
    (void)ReadElementValue(m_body, flag, sizeof flag, '"', '"');
    return flag[0] == 't';
}

std::size_t LengthWithoutSplitCharacter(std::string_view text)
{
    auto byteAt = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    std::size_t start = text.size();
    // A character is at most 4 bytes: a lead byte and up to 3 more.
    while (start > 0 && text.size() - start < 3 && (byteAt(start - 1) & 0xC0) == 0x80)
        --start;
    if (start == 0)
        return text.size();
    std::uint8_t lead = byteAt(start - 1);
    std::size_t needed = (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3
        : (lead & 0xF8) == 0xF0                                            ? 4
                                                                           : 1;
    std::size_t present = text.size() - (start - 1);
    return present < needed ? start - 1 : text.size();
}

std::optional<FoundSection> FindNextSection(Stream& stream, std::span<const std::string_view> names)
{
    std::vector<StreamPattern> patterns;
    patterns.reserve(names.size());
    for (std::string_view name : names)
        patterns.emplace_back(std::string("<").append(name));
    std::uint8_t byte = 0;
    while (stream.ReadByte(byte)) {
        for (std::size_t i = 0; i < patterns.size(); ++i) {
            if (!patterns[i].Feed(byte))
                continue;
            FoundSection found { i, false };
            while (stream.PeekByte(byte) && (byte == ' ' || byte == '\t' || byte == '\r' || byte == '\n'))
                (void)stream.ReadByte(byte);
            found.empty = stream.PeekByte(byte) && byte == '/';
            return found;
        }
    }
    return std::nullopt;
}
