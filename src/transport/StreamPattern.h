#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Recognises a literal in a stream read forward one byte at a time, without
// ever looking back: after a partial match fails, the bytes already seen
// still count towards the next match ("<<PI" holds "<PI").
class StreamPattern {
public:
    explicit StreamPattern(std::string_view literal);

    // Takes the next byte; true when it completes the literal.
    bool Feed(std::uint8_t byte);
    bool IsEmpty() const { return m_literal.empty(); }

private:
    std::string m_literal;
    std::vector<std::size_t> m_fallback;
    std::size_t m_matched { 0 };
};
