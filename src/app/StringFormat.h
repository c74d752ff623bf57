#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

// One argument of a message text: a number or a text.
class FormatArgument {
public:
    FormatArgument(int value)
        : m_value(static_cast<std::int64_t>(value)) { }
    FormatArgument(long value)
        : m_value(static_cast<std::int64_t>(value)) { }
    FormatArgument(long long value)
        : m_value(static_cast<std::int64_t>(value)) { }
    FormatArgument(unsigned value)
        : m_value(static_cast<std::int64_t>(value)) { }
    FormatArgument(unsigned long value)
        : m_value(static_cast<std::int64_t>(value)) { }
    FormatArgument(unsigned long long value)
        : m_value(static_cast<std::int64_t>(value)) { }
    FormatArgument(std::string_view text)
        : m_value(std::string(text)) { }
    FormatArgument(const std::string& text)
        : m_value(text) { }
    FormatArgument(const char* text)
        : m_value(std::string(text ? text : "")) { }

    bool IsText() const { return std::holds_alternative<std::string>(m_value); }
    std::int64_t Number() const { return IsText() ? 0 : std::get<std::int64_t>(m_value); }
    std::string Text() const;

private:
    std::variant<std::int64_t, std::string> m_value;
};

// Formats a message text. Understands the printf conversions the string
// table uses (%s, %d, %u, %x, %ld, %%) taking the arguments in turn, and the
// framework's numbered inserts %1 to %9. Numbers print as 32-bit values
// (%d signed, %u and %x unsigned), as on the device. Missing arguments print
// as nothing; a conversion that does not fit its argument prints the
// argument as text, so no input can make the formatter misbehave.
std::string FormatText(std::string_view format, std::initializer_list<FormatArgument> arguments = {});
