#include "service/MessageFile.h"

#include "transport/ReadOnlyMemoryStream.h"
#include "transport/XmlReader.h"

#include <charconv>
#include <cstring>

namespace {

constexpr std::uint32_t kVersionSize = 16;
constexpr std::uint32_t kNumberSize = 16;
constexpr std::uint32_t kNoteTextSize = 200;
constexpr std::uint32_t kSecondTextSize = 64;
// A note's own text, as far as it is read; its fields are far shorter.
constexpr std::size_t kLongestNote = 8192;
constexpr std::size_t kMostNotes = 256;

std::string ElementValue(Stream& stream, std::uint32_t size)
{
    std::vector<char> buffer(size, '\0');
    // A value cut off by the end of the file is what there is of it.
    (void)ReadElementValue(stream, buffer.data(), size, '>', '<');
    return std::string(buffer.data(), ::strnlen(buffer.data(), size));
}

// The leading digits of a text, as ReadNumber takes them.
std::uint32_t LeadingNumber(const std::string& text)
{
    std::uint32_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return value;
}

// Moves past the next "<NOTE" start tag; false when there is none.
bool FindNoteStart(Stream& file)
{
    while (FindText(file, "<NOTE")) {
        std::uint8_t next = 0;
        if (!file.PeekByte(next))
            return false;
        if (next == '>' || next == ' ' || next == '\t' || next == '\r' || next == '\n')
            return true;
    }
    return false;
}

// The text of a note up to its end tag (or the end of the file).
std::string NoteText(Stream& file)
{
    constexpr std::string_view kEnd = "</NOTE";
    std::string text;
    std::uint8_t byte = 0;
    while (file.ReadByte(byte)) {
        if (text.size() < kLongestNote)
            text.push_back(static_cast<char>(byte));
        if (text.ends_with(kEnd))
            break;
    }
    return text;
}

ServiceNote ReadNote(const std::string& text)
{
    ReadOnlyMemoryStream note(text);
    ServiceNote result;
    if (FindElement(note, "N"))
        result.number = LeadingNumber(ElementValue(note, kNumberSize));
    if (FindElement(note, "M"))
        result.text = ElementValue(note, kNoteTextSize);
    if (FindElement(note, "A"))
        result.secondText = ElementValue(note, kSecondTextSize);
    return result;
}

}

MessageFile ReadMessageFile(Stream& file)
{
    MessageFile result;
    if (!file.Seek(0))
        return result;
    if (FindElement(file, "VERS"))
        result.version = ElementValue(file, kVersionSize);
    else if (!file.Seek(0))
        return result;
    while (result.notes.size() < kMostNotes && FindNoteStart(file))
        result.notes.push_back(ReadNote(NoteText(file)));
    return result;
}
