#include "app/Preferences.h"

#include "app/CRegistry.h"

#include <cstddef>

namespace {

// The order is the order tools list them in.
enum class Id : std::size_t {
    ShowEditDialog,
    StayInCamera,
    MainViewFont,
    CurrentlyViewedBlog,
    DownloadPhotoSize,
    LastRemoteBlog,
    LastMessageCheck,
    LastIgnoredVersion,
    LastMessageNumber,
    ServiceHost,
    ServiceCaFile,
};

using Kind = Preference::Kind;

constexpr Preference kPreferences[] = {
    { u"Show Edit Dialog", Kind::DWord, 1, {} },
    { u"Stay In Camera", Kind::DWord, 0, {} },
    { u"Main View Font", Kind::Font, 0, {} },
    { u"Currently Viewed Blog", Kind::String, 0, u"" },
    { u"Download Photo Size", Kind::DWord, 5, {} },
    { u"Last Remote Blog", Kind::String, 0, u"" },
    { u"Last message check", Kind::DWord, 0, {} },
    { u"Last ignored version", Kind::String, 0, u"1.0" },
    { u"Last Message Number", Kind::DWord, 0, {} },
    { u"Service Host", Kind::String, 0, u"127.0.0.1:8080" },
    { u"Service CA File", Kind::String, 0, u"" },
};

constexpr const Preference& Of(Id id)
{
    return kPreferences[static_cast<std::size_t>(id)];
}

constexpr auto kRoot = RegistryRoot::CurrentUser;

std::uint32_t ReadNumber(Id id)
{
    return CRegistry::ReadDWORD(kRoot, kPreferencesKey, Of(id).name, Of(id).defaultNumber);
}

bool WriteNumber(Id id, std::uint32_t value)
{
    return CRegistry::WriteDWORD(kRoot, kPreferencesKey, Of(id).name, value);
}

std::u16string ReadText(Id id)
{
    return CRegistry::ReadString(kRoot, kPreferencesKey, Of(id).name, Of(id).defaultText);
}

bool WriteText(Id id, std::u16string_view text)
{
    return CRegistry::WriteString(kRoot, kPreferencesKey, Of(id).name, text);
}

}

std::span<const Preference> AllPreferences()
{
    return kPreferences;
}

std::uint32_t ReadShowEditDialog() { return ReadNumber(Id::ShowEditDialog); }
bool WriteShowEditDialog(std::uint32_t value) { return WriteNumber(Id::ShowEditDialog, value); }

std::uint32_t ReadStayInCamera() { return ReadNumber(Id::StayInCamera); }
bool WriteStayInCamera(std::uint32_t value) { return WriteNumber(Id::StayInCamera, value); }

std::optional<LogicalFont> ReadMainViewFont()
{
    std::uint8_t record[LogicalFont::kRecordSize] {};
    std::uint32_t size = sizeof record;
    if (!CRegistry::ReadBinary(kRoot, kPreferencesKey, Of(Id::MainViewFont).name, record, size) || size != sizeof record)
        return std::nullopt;
    return LogicalFont::FromBytes(record);
}

bool WriteMainViewFont(const LogicalFont& font)
{
    auto bytes = font.ToBytes();
    return CRegistry::WriteBinary(kRoot, kPreferencesKey, Of(Id::MainViewFont).name, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
}

std::u16string ReadCurrentlyViewedBlog() { return ReadText(Id::CurrentlyViewedBlog); }
bool WriteCurrentlyViewedBlog(std::u16string_view urlName) { return WriteText(Id::CurrentlyViewedBlog, urlName); }

std::uint32_t ReadDownloadPhotoSize() { return ReadNumber(Id::DownloadPhotoSize); }
bool WriteDownloadPhotoSize(std::uint32_t value) { return WriteNumber(Id::DownloadPhotoSize, value); }

std::u16string ReadLastRemoteBlog() { return ReadText(Id::LastRemoteBlog); }
bool WriteLastRemoteBlog(std::u16string_view name) { return WriteText(Id::LastRemoteBlog, name); }

std::uint32_t ReadLastMessageCheck() { return ReadNumber(Id::LastMessageCheck); }
bool WriteLastMessageCheck(std::uint32_t value) { return WriteNumber(Id::LastMessageCheck, value); }

std::u16string ReadLastIgnoredVersion() { return ReadText(Id::LastIgnoredVersion); }
bool WriteLastIgnoredVersion(std::u16string_view version) { return WriteText(Id::LastIgnoredVersion, version); }

std::uint32_t ReadLastMessageNumber() { return ReadNumber(Id::LastMessageNumber); }
bool WriteLastMessageNumber(std::uint32_t value) { return WriteNumber(Id::LastMessageNumber, value); }

std::u16string ReadServiceHost() { return ReadText(Id::ServiceHost); }
bool WriteServiceHost(std::u16string_view host) { return WriteText(Id::ServiceHost, host); }

std::u16string ReadServiceCaFile() { return ReadText(Id::ServiceCaFile); }
bool WriteServiceCaFile(std::u16string_view path) { return WriteText(Id::ServiceCaFile, path); }
