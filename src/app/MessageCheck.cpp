#include "app/MessageCheck.h"

#include "app/Messages.h"
#include "app/Preferences.h"
#include "app/ProgramVersion.h"
#include "app/ServiceHostSetting.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"

static constexpr std::uint32_t kSecondsPerDay = 86400;
static constexpr StringId kDownloadPageString = 172;

std::string MakeVersionKey(std::string_view text)
{
    size_t position = 0;
    auto next = [&]() -> int { return position < text.size() ? static_cast<unsigned char>(text[position]) : -1; };
    std::string key;
    key += position < text.size() ? text[position++] : '0';
    key += position < text.size() ? text[position++] : '0';
    if (int c = next(); c >= '0' && c <= '9') {
        key += static_cast<char>(c);
        ++position;
    } else {
        key += '0';
    }
    if (int c = next(); c >= 'a' && c <= 'z') {
        key += static_cast<char>(c);
        ++position;
    } else {
        key += 'f';
    }
    if (int c = next(); c >= '0' && c <= '9')
        key += static_cast<char>(c);
    else
        key += '9';
    return key;
}

std::string VersionToAskAbout(std::string_view ownVersion, std::string_view ignoredVersion)
{
    if (MakeVersionKey(ownVersion) > MakeVersionKey(ignoredVersion))
        return std::string(ownVersion);
    return std::string(ignoredVersion);
}

bool ShouldCheckMessages(bool force, std::uint32_t& noteNumber, std::string& versionText)
{
    if (!force) {
        std::uint64_t now = GetCurrentSeconds();
        std::uint64_t last = ReadLastMessageCheck();
        if (now <= last + kSecondsPerDay)
            return false;
    }
    versionText = VersionToAskAbout(ProgramVersionText(), Utf16ToUtf8(ReadLastIgnoredVersion()));
    noteNumber = ReadLastMessageNumber();
    return true;
}

void SetLastMessageCheck(int flag)
{
    WriteLastMessageCheck(flag != 0 ? GetCurrentSeconds() : 0);
}

bool ShowNewVersion(std::string_view version)
{
    auto& interaction = UserInteraction::Current();
    NewVersionChoice choice = interaction.ShowNewVersion(version);
    if (choice.ignoreThisVersion)
        WriteLastIgnoredVersion(Utf8ToUtf16(version));
    if (!choice.download)
        return false;
    ServiceHostSetting service = ReadServiceHostSetting();
    std::string page = FormatString(kDownloadPageString, { service.host });
    // The page's text names plain HTTP; a service behind TLS serves it there.
    if (service.secure)
        page.replace(0, page.find(':'), service.Scheme());
    interaction.OpenWebPage(page);
    interaction.RequestQuit();
    return true;
}

bool ShowNote(std::uint32_t noteNumber, std::string_view noteText, std::string_view)
{
    UserInteraction::Current().ShowMessage(noteText, MessageIcon::Information);
    WriteLastMessageNumber(noteNumber);
    return false;
}
