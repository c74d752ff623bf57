#include "app/PreferenceList.h"

#include "app/CRegistry.h"
#include "platform/CodePage.h"
#include "platform/Path.h"
#include "platform/RegistryHive.h"

#include <charconv>
#include <vector>

namespace {

template<typename Number>
bool ParseNumber(std::string_view text, Number& value)
{
    if (text.empty())
        return false;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// Whether the value is actually stored (rather than defaulted).
bool IsStored(const Preference& preference)
{
    CRegistry key(RegistryRoot::CurrentUser, std::u16string(kPreferencesKey));
    return key.Open() && key.GetValueSize(preference.name) > 0;
}

std::string FontText(const LogicalFont& font)
{
    return Utf16ToUtf8(font.faceName) + "," + std::to_string(font.height) + "," + std::to_string(font.weight);
}

std::optional<LogicalFont> ParseFont(std::string_view text)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma - start));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    LogicalFont font;
    font.faceName = Utf8ToUtf16(parts[0]);
    if (font.faceName.empty() || font.faceName.size() > 31 || parts.size() > 3)
        return std::nullopt;
    if (parts.size() > 1 && !ParseNumber(parts[1], font.height))
        return std::nullopt;
    if (parts.size() > 2 && !ParseNumber(parts[2], font.weight))
        return std::nullopt;
    return font;
}

// The registry's reason for a write that failed: a missing key fails
// before the hive is asked, and then the failure that kept the key from
// being made (at start-up) is the reason.
ErrorCode WriteFailure()
{
    ErrorCode error = RegistryHive::CurrentUser().LastWriteError();
    return error ? error : Error::FileNotFound;
}

}

std::string PreferenceName(const Preference& preference)
{
    return Utf16ToUtf8(preference.name);
}

std::string_view PreferenceKindName(const Preference& preference)
{
    switch (preference.kind) {
    case Preference::Kind::DWord:
        return "dword";
    case Preference::Kind::String:
        return "string";
    case Preference::Kind::Font:
        return "font";
    }
    return "binary";
}

const Preference* FindPreference(std::string_view name)
{
    for (auto& preference : AllPreferences()) {
        if (EqualsIgnoringCase(PreferenceName(preference), name))
            return &preference;
    }
    return nullptr;
}

std::string PreferenceText(const Preference& preference, bool* isDefault)
{
    constexpr auto root = RegistryRoot::CurrentUser;
    bool stored = IsStored(preference);
    if (isDefault)
        *isDefault = !stored;
    switch (preference.kind) {
    case Preference::Kind::DWord:
        return std::to_string(CRegistry::ReadDWORD(root, kPreferencesKey, preference.name, preference.defaultNumber));
    case Preference::Kind::String:
        return Utf16ToUtf8(CRegistry::ReadString(root, kPreferencesKey, preference.name, preference.defaultText));
    case Preference::Kind::Font: {
        // Stored but not exactly one record counts as no font at all.
        auto font = ReadMainViewFont();
        if (isDefault)
            *isDefault = !font;
        return font ? FontText(*font) : std::string();
    }
    }
    return {};
}

ErrorCode WritePreferenceText(const Preference& preference, std::string_view text)
{
    constexpr auto root = RegistryRoot::CurrentUser;
    bool written = false;
    switch (preference.kind) {
    case Preference::Kind::DWord: {
        std::uint32_t value = 0;
        if (!ParseNumber(text, value))
            return Error::InvalidParameter;
        written = CRegistry::WriteDWORD(root, kPreferencesKey, preference.name, value);
        break;
    }
    case Preference::Kind::String:
        written = CRegistry::WriteString(root, kPreferencesKey, preference.name, Utf8ToUtf16(text));
        break;
    case Preference::Kind::Font: {
        auto font = ParseFont(text);
        if (!font)
            return Error::InvalidParameter;
        written = WriteMainViewFont(*font);
        break;
    }
    }
    return written ? Error::Success : WriteFailure();
}
