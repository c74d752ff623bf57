#include "transport/XmlReader.h"

#include "transport/StreamPattern.h"
#include "transport/XmlEntities.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

bool IsBlank(std::uint8_t byte)
{
    return byte == '\r' || byte == '\n' || byte == '\t' || byte == ' ';
}

// Consumes blanks (and `extra`, when given); false at the end of the stream.
bool SkipBlanks(Stream& stream, char extra = '\0')
{
    std::uint8_t byte = 0;
    while (stream.PeekByte(byte)) {
        if (!IsBlank(byte) && (extra == '\0' || byte != static_cast<std::uint8_t>(extra)))
            return true;
        stream.ReadByte(byte);
    }
    return false;
}

// Collects bytes into a buffer of `size`, keeping at most size - 1.
class BoundedText {
public:
    BoundedText(char* buffer, std::uint32_t size)
        : m_buffer(buffer)
        , m_size(size)
    {
    }
    void Append(std::uint8_t byte)
    {
        if (m_size > 0 && m_length < m_size - 1)
            m_buffer[m_length++] = static_cast<char>(byte);
    }
    std::uint32_t Length() const { return m_length; }
    void Terminate()
    {
        if (m_size > 0)
            m_buffer[m_length] = '\0';
    }

private:
    char* m_buffer;
    std::uint32_t m_size;
    std::uint32_t m_length { 0 };
};

bool ReadDelimited(Stream& stream, char* buffer, std::uint32_t size, bool lineMode, char extra)
{
    BoundedText text(buffer, size);
    SkipBlanks(stream, extra);
    std::uint8_t byte = 0;
    while (stream.ReadByte(byte)) {
        bool ends = lineMode ? (byte == '\r' || byte == '\n')
                             : (IsBlank(byte) || (extra != '\0' && byte == static_cast<std::uint8_t>(extra)));
        if (ends)
            break;
        text.Append(byte);
    }
    text.Terminate();
    return text.Length() > 0;
}

}

bool FindText(Stream& stream, std::string_view literal)
{
    StreamPattern pattern(literal);
    if (pattern.IsEmpty())
        return true;
    std::uint8_t byte = 0;
    while (stream.ReadByte(byte)) {
        if (pattern.Feed(byte))
            return true;
    }
    return false;
}

bool FindElement(Stream& stream, std::string_view name, std::optional<std::string_view> limit)
{
    StreamPattern start(std::string("<").append(name));
    StreamPattern end(std::string("</").append(limit.value_or(name)));
    std::uint8_t byte = 0;
    for (;;) {
        if (!stream.ReadByte(byte))
            return false;
        bool endComplete = end.Feed(byte);
        bool startComplete = start.Feed(byte);
        if (endComplete)
            return false;
        if (startComplete)
            break;
    }
    // An element cut off right after its name is not there at all.
    if (!SkipBlanks(stream))
        return false;
    stream.PeekByte(byte);
    return byte != '/';
}

bool ReadElementValue(Stream& stream, char* buffer, std::uint32_t size, char openEnd, char closeStart)
{
    if (size == 0)
        buffer = nullptr;
    std::uint8_t byte = 0;
    if (openEnd != '\0') {
        SkipBlanks(stream);
        std::uint8_t previous = 0;
        bool opened = false;
        while (stream.ReadByte(byte)) {
            if (byte == static_cast<std::uint8_t>(openEnd)) {
                opened = true;
                break;
            }
            previous = byte;
        }
        if (opened && previous == '/') {
            if (buffer)
                buffer[0] = '\0';
            return true;
        }
    }

    BoundedText text(buffer, size);
    bool closed = false;
    while (stream.ReadByte(byte)) {
        if (byte == static_cast<std::uint8_t>(closeStart)) {
            closed = true;
            break;
        }
        text.Append(byte);
    }
    text.Terminate();
    if (!buffer)
        return closed;

    UnescapeEntities(buffer, size);
    // No stream of this program converts text; a scratch copy of the whole
    // buffer for every value would only cost time.
    if (stream.ConvertsText()) {
        std::vector<char> converted(size);
        stream.ConvertText(buffer, converted.data(), size, TextDirection::Incoming);
        std::copy(converted.begin(), converted.end(), buffer);
    }
    return closed;
}

std::uint32_t ReadNumber(Stream& stream)
{
    std::uint32_t value = 0;
    std::uint8_t byte = 0;
    while (stream.ReadByte(byte) && byte >= '0' && byte <= '9')
        value = value * 10 + (byte - '0');
    return value;
}

bool ReadToken(Stream& stream, char* buffer, std::uint32_t size, bool lineMode)
{
    return ReadDelimited(stream, buffer, size, lineMode, '\0');
}

bool ReadListItem(Stream& stream, char* buffer, std::uint32_t size)
{
    return ReadDelimited(stream, buffer, size, false, ',');
}
