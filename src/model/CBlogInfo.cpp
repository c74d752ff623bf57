#include "model/CBlogInfo.h"

#include "app/ScreenSize.h"
#include "model/Archive.h"
#include "model/BlogPrompts.h"
#include "platform/CodePage.h"

// Photo size codes for the default download size.
static constexpr std::uint16_t kSize240x180 = 3;
static constexpr std::uint16_t kSize480x360 = 5;

CBlogInfo::CBlogInfo()
    : m_downloadSize(ScreenSize::Current().IsLarge() ? kSize480x360 : kSize240x180)
{
}

const RuntimeClass& CBlogInfo::Class()
{
    static const RuntimeClass runtimeClass {
        "CBlogInfo",
        0,
        nullptr, // never read as a tagged object
    };
    return runtimeClass;
}

void CBlogInfo::SerializeFields(Archive& archive)
{
    archive.Exchange("owner id", m_ownerId);
    archive.Exchange("group blog", m_groupBlog);
    archive.Exchange("URL name", m_urlName);
    archive.Exchange("second string", m_secondString);
    archive.Exchange("third string", m_thirdString);
    archive.Exchange("title", m_title);
    archive.Exchange("subtitle", m_subtitle);
    archive.Exchange("view password", m_viewPassword);
    archive.Exchange("hidden", m_hidden);
    archive.Exchange("read-only flag", m_readOnly);
    archive.Exchange("comments allowed flag", m_commentsAllowed);
    archive.Exchange("upload size code", m_uploadSize);
    archive.Exchange("download size code", m_downloadSize);
    archive.Exchange("limit entries flag", m_limitEntries);
    archive.Exchange("entry limit", m_entryLimit);
    archive.Exchange("delete photos after upload flag", m_deleteAfterUpload);
    archive.Exchange("last flag", m_lastFlag);
    archive.Exchange("settings modified flag", m_settingsModified);
}

std::uint32_t CBlogInfo::GetEffectiveEntryLimit() const
{
    return m_limitEntries ? m_entryLimit : kUnlimitedEntries;
}

const std::string& CBlogInfo::GetDisplayName() const
{
    return m_title.empty() ? m_urlName : m_title;
}

std::u16string CBlogInfo::GetUrlNameText() const
{
    return Utf8ToUtf16(m_urlName);
}

std::u16string CBlogInfo::GetTitleText() const
{
    return Utf8ToUtf16(m_title);
}

void CBlogInfo::SetTitleText(std::u16string_view title)
{
    m_title = Utf16ToUtf8(title);
}

std::u16string CBlogInfo::GetSubtitleText() const
{
    return Utf8ToUtf16(m_subtitle);
}

void CBlogInfo::SetSubtitleText(std::u16string_view subtitle)
{
    m_subtitle = Utf16ToUtf8(subtitle);
}

bool CBlogInfo::AskForViewPassword()
{
    auto password = BlogPrompts::Current().AskViewPassword(m_urlName);
    if (!password)
        return false;
    m_viewPassword = *password;
    return true;
}
