#include "app/Preferences.h"

#include "app/CRegistry.h"

namespace {

constexpr auto kRoot = RegistryRoot::CurrentUser;

std::uint32_t ReadNumber(std::u16string_view name, std::uint32_t defaultValue)
{
    return CRegistry::ReadDWORD(kRoot, kPreferencesKey, name, defaultValue);
}

bool WriteNumber(std::u16string_view name, std::uint32_t value)
{
    return CRegistry::WriteDWORD(kRoot, kPreferencesKey, name, value);
}

std::u16string ReadText(std::u16string_view name, std::u16string_view defaultValue)
{
    return CRegistry::ReadString(kRoot, kPreferencesKey, name, defaultValue);
}

bool WriteText(std::u16string_view name, std::u16string_view text)
{
    return CRegistry::WriteString(kRoot, kPreferencesKey, name, text);
}

}

std::uint32_t ReadShowEditDialog() { return ReadNumber(u"Show Edit Dialog", 1); }
bool WriteShowEditDialog(std::uint32_t value) { return WriteNumber(u"Show Edit Dialog", value); }

std::uint32_t ReadStayInCamera() { return ReadNumber(u"Stay In Camera", 0); }
bool WriteStayInCamera(std::uint32_t value) { return WriteNumber(u"Stay In Camera", value); }

std::optional<LogicalFont> ReadMainViewFont()
{
    std::uint8_t record[LogicalFont::kRecordSize] {};
    std::uint32_t size = sizeof record;
    if (!CRegistry::ReadBinary(kRoot, kPreferencesKey, u"Main View Font", record, size) || size != sizeof record)
        return std::nullopt;
    return LogicalFont::FromBytes(record);
}

bool WriteMainViewFont(const LogicalFont& font)
{
    auto bytes = font.ToBytes();
    return CRegistry::WriteBinary(kRoot, kPreferencesKey, u"Main View Font", bytes.data(), static_cast<std::uint32_t>(bytes.size()));
}

std::u16string ReadCurrentlyViewedBlog() { return ReadText(u"Currently Viewed Blog", u""); }
bool WriteCurrentlyViewedBlog(std::u16string_view urlName) { return WriteText(u"Currently Viewed Blog", urlName); }

std::uint32_t ReadDownloadPhotoSize() { return ReadNumber(u"Download Photo Size", 5); }
bool WriteDownloadPhotoSize(std::uint32_t value) { return WriteNumber(u"Download Photo Size", value); }

std::u16string ReadLastRemoteBlog() { return ReadText(u"Last Remote Blog", u""); }
bool WriteLastRemoteBlog(std::u16string_view name) { return WriteText(u"Last Remote Blog", name); }

std::uint32_t ReadLastMessageCheck() { return ReadNumber(u"Last message check", 0); }
bool WriteLastMessageCheck(std::uint32_t value) { return WriteNumber(u"Last message check", value); }

std::u16string ReadLastIgnoredVersion() { return ReadText(u"Last ignored version", u"1.0"); }
bool WriteLastIgnoredVersion(std::u16string_view version) { return WriteText(u"Last ignored version", version); }

std::uint32_t ReadLastMessageNumber() { return ReadNumber(u"Last Message Number", 0); }
bool WriteLastMessageNumber(std::uint32_t value) { return WriteNumber(u"Last Message Number", value); }

std::u16string ReadServiceHost() { return ReadText(u"Service Host", u"127.0.0.1:8080"); }
bool WriteServiceHost(std::u16string_view host) { return WriteText(u"Service Host", host); }
