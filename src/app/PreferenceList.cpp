#include "app/PreferenceList.h"

#include "app/CRegistry.h"
#include "app/Preferences.h"
#include "platform/CodePage.h"
#include "platform/Path.h"
#include "platform/RegistryHive.h"

#include <charconv>
#include <vector>

namespace {

bool ParseNumber(std::string_view text, std::uint32_t& value)
{
    if (text.empty())
        return false;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

bool ParseSigned(std::string_view text, std::int32_t& value)
{
    if (text.empty())
        return false;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// Whether the named value is actually stored (rather than defaulted).
bool IsStored(std::u16string_view name)
{
    CRegistry key(RegistryRoot::CurrentUser, std::u16string(kPreferencesKey));
    return key.Open() && key.GetValueSize(name) > 0;
}

template<std::uint32_t (*Reader)(), const char16_t* Name>
std::optional<std::string> ReadStoredNumber()
{
    if (!IsStored(Name))
        return std::nullopt;
    return std::to_string(Reader());
}

template<bool (*Writer)(std::uint32_t)>
bool WriteNumberText(std::string_view text)
{
    std::uint32_t value = 0;
    return ParseNumber(text, value) && Writer(value);
}

template<std::u16string (*Reader)(), const char16_t* Name>
std::optional<std::string> ReadStoredText()
{
    if (!IsStored(Name))
        return std::nullopt;
    return Utf16ToUtf8(Reader());
}

template<bool (*Writer)(std::u16string_view)>
bool WriteTextText(std::string_view text)
{
    return Writer(Utf8ToUtf16(text));
}

std::optional<std::string> ReadFontText()
{
    auto font = ReadMainViewFont();
    if (!font)
        return std::nullopt;
    return Utf16ToUtf8(font->faceName) + "," + std::to_string(font->height) + "," + std::to_string(font->weight);
}

bool WriteFontText(std::string_view text)
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
        return false;
    if (parts.size() > 1 && !ParseSigned(parts[1], font.height))
        return false;
    if (parts.size() > 2 && !ParseSigned(parts[2], font.weight))
        return false;
    return WriteMainViewFont(font);
}

constexpr char16_t kShowEditDialog[] = u"Show Edit Dialog";
constexpr char16_t kStayInCamera[] = u"Stay In Camera";
constexpr char16_t kCurrentlyViewedBlog[] = u"Currently Viewed Blog";
constexpr char16_t kDownloadPhotoSize[] = u"Download Photo Size";
constexpr char16_t kLastRemoteBlog[] = u"Last Remote Blog";
constexpr char16_t kLastMessageCheck[] = u"Last message check";
constexpr char16_t kLastIgnoredVersion[] = u"Last ignored version";
constexpr char16_t kLastMessageNumber[] = u"Last Message Number";
constexpr char16_t kServiceHost[] = u"Service Host";

const PreferenceDescriptor kPreferences[] = {
    { "Show Edit Dialog", "dword", "1", ReadStoredNumber<ReadShowEditDialog, kShowEditDialog>, WriteNumberText<WriteShowEditDialog> },
    { "Stay In Camera", "dword", "0", ReadStoredNumber<ReadStayInCamera, kStayInCamera>, WriteNumberText<WriteStayInCamera> },
    { "Main View Font", "font", "", ReadFontText, WriteFontText },
    { "Currently Viewed Blog", "string", "", ReadStoredText<ReadCurrentlyViewedBlog, kCurrentlyViewedBlog>, WriteTextText<WriteCurrentlyViewedBlog> },
    { "Download Photo Size", "dword", "5", ReadStoredNumber<ReadDownloadPhotoSize, kDownloadPhotoSize>, WriteNumberText<WriteDownloadPhotoSize> },
    { "Last Remote Blog", "string", "", ReadStoredText<ReadLastRemoteBlog, kLastRemoteBlog>, WriteTextText<WriteLastRemoteBlog> },
    { "Last message check", "dword", "0", ReadStoredNumber<ReadLastMessageCheck, kLastMessageCheck>, WriteNumberText<WriteLastMessageCheck> },
    { "Last ignored version", "string", "1.0", ReadStoredText<ReadLastIgnoredVersion, kLastIgnoredVersion>, WriteTextText<WriteLastIgnoredVersion> },
    { "Last Message Number", "dword", "0", ReadStoredNumber<ReadLastMessageNumber, kLastMessageNumber>, WriteNumberText<WriteLastMessageNumber> },
    { "Service Host", "string", "127.0.0.1:8080", ReadStoredText<ReadServiceHost, kServiceHost>, WriteTextText<WriteServiceHost> },
};

}

std::span<const PreferenceDescriptor> AllPreferences()
{
    return kPreferences;
}

const PreferenceDescriptor* FindPreference(std::string_view name)
{
    for (auto& preference : kPreferences) {
        if (EqualsIgnoringCase(preference.name, name))
            return &preference;
    }
    return nullptr;
}

std::string PreferenceText(const PreferenceDescriptor& preference, bool* isDefault)
{
    auto stored = preference.read();
    if (isDefault)
        *isDefault = !stored.has_value();
    return stored ? *stored : std::string(preference.defaultText);
}
