#pragma once

#include <QString>
#include <string>
#include <string_view>

// Texts between the program's forms (UTF-8 and UTF-16) and Qt's.
inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString ToQString(const std::u16string& text)
{
    return QString::fromStdU16String(text);
}
