#pragma once

#include "transport/Stream.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Reads the fields of a response the way the service writes them: each is
// searched forward from where the previous one was found, so the fields of
// a record must come in their order; a field that is missing leaves its
// value empty (or 0) and the search at the end of the response.
//
// A response is never trusted: a value longer than its buffer is cut to
// the buffer's size - 1 bytes, and then back to the start of a character,
// so that no UTF-8 character is ever split; a number keeps its low 32 bits.
class ResponseFieldReader {
public:
    // The largest buffer any field of the service uses.
    static constexpr std::uint32_t kLargestField = 8000;

    explicit ResponseFieldReader(Stream& body);

    Stream& Body() const { return m_body; }

    // The text of the element whose start `tag` (such as "<TI") begins, in
    // a buffer of `size` bytes; "" when the tag is not found.
    void Text(std::string_view tag, std::uint32_t size, std::string& value);
    std::string Text(std::string_view tag, std::uint32_t size);
    // The value of the element the stream stands in (after its name, as
    // FindElement leaves it).
    void Value(std::uint32_t size, std::string& value);
    // The number right after a complete start tag (such as "<CI>"); 0 when
    // the tag is not found.
    std::uint32_t Number(std::string_view tag);
    // The record's deletion mark: the attribute D="..." whose first letter
    // is "t".
    bool DeletedMark();

private:
    Stream& m_body;
    std::vector<char> m_scratch;
};

// The length of the text without an incomplete UTF-8 sequence at its end.
std::size_t LengthWithoutSplitCharacter(std::string_view text);

// A section of a response: its name, and whether it was written empty
// ("<PS />").
struct FoundSection {
    std::size_t index { 0 };
    bool empty { false };
};

// Advances to the start tag of the first of `names` that comes next: the
// sections of a response in the order the service writes them, so that a
// section the service left out does not hide the ones after it. The stream
// then stands after the name (on ">" or the first attribute). None at the
// end of the stream.
std::optional<FoundSection> FindNextSection(Stream& stream, std::span<const std::string_view> names);
