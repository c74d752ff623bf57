#include "workflows/SubscribeWorkflow.h"

#include "workflows/AccountOperations.h"
#include "workflows/BrowseBlogsWorkflow.h"
#include "workflows/DialogHost.h"
#include "workflows/FieldLimits.h"
#include "workflows/NetworkFailure.h"
#include "workflows/NetworkOperations.h"
#include "workflows/NetworkStep.h"

#include "app/Messages.h"
#include "app/ScreenSize.h"
#include "model/CWinBlogChannels.h"
#include "model/CWinBlogUser.h"
#include "platform/CodePage.h"

#include <new>

namespace {

constexpr StringId kNextButton = 190;
constexpr StringId kSubscribeButton = 167;
constexpr StringId kAlreadySubscribed = 174;
constexpr StringId kNoMemory = 7000;
constexpr StringId kNoBlogUrl = 6003;
constexpr std::uint16_t kLargeScreenDownload = 5; // 480x360
constexpr std::uint16_t kSmallScreenDownload = 3; // 240x180
constexpr std::uint16_t kFullSizeUpload = 3;
constexpr int kLargeScreenSide = 320;

std::uint16_t DefaultDownloadSize()
{
    const ScreenSize& screen = ScreenSize::Current();
    bool large = screen.width > kLargeScreenSide || screen.height > kLargeScreenSide;
    return large ? kLargeScreenDownload : kSmallScreenDownload;
}

}

SubscribeWorkflow::SubscribeWorkflow(CWinBlogUser& user, DialogHost& dialogs, NetworkServices services)
    : m_user(user)
    , m_dialogs(dialogs)
    , m_services(services)
    , m_downloadList(MakeSizeList(DownloadSizeChoices(), DefaultDownloadSize()))
    , m_uploadList(MakeSizeList(UploadSizeChoices(), kFullSizeUpload))
{
}

std::string SubscribeWorkflow::NextButtonText() const
{
    return FormatString(m_page == kUrlPage ? kNextButton : kSubscribeButton);
}

SyncPageWorkflow::Controls SubscribeWorkflow::OpeningSettings() const
{
    SyncPageWorkflow::Controls settings;
    settings.downloadChoice = m_downloadList.selected;
    settings.uploadChoice = m_uploadList.selected;
    settings.limitEntries = true;
    std::string limit = std::to_string(kDefaultEntryLimit);
    settings.entryLimit.assign(limit.begin(), limit.end());
    settings.deleteAfterUpload = false;
    return settings;
}

DialogOutcome SubscribeWorkflow::Next(std::u16string_view url, const SyncPageWorkflow::Controls& settings)
{
    if (m_page == kUrlPage)
        return LeaveUrlPage(url);
    return SubscribeAndSync(url, settings);
}

DialogOutcome SubscribeWorkflow::LeaveUrlPage(std::u16string_view url)
{
    if (!FitsFieldLimit(url, kUrlLimit))
        return DialogOutcome::Stay(kUrlField);
    if (url.empty()) {
        ShowStringMessage(kNoBlogUrl, MessageIcon::Warning);
        return DialogOutcome::Stay(kUrlField);
    }
    if (m_user.FindBlog(url)) {
        ShowStringMessage(kAlreadySubscribed, MessageIcon::Warning);
        return DialogOutcome::Stay(kUrlField);
    }
    m_page = kSettingsPage;
    return DialogOutcome::Stay(kFirstSettingsField + SyncPageWorkflow::kDownloadField);
}

DialogOutcome SubscribeWorkflow::SubscribeAndSync(std::u16string_view url, const SyncPageWorkflow::Controls& settings)
{
    auto entryLimit = ReadNumberField(settings.entryLimit, SyncPageWorkflow::kLargestEntryLimit);
    if (!entryLimit)
        return DialogOutcome::Stay(kFirstSettingsField + SyncPageWorkflow::kEntryLimitField);

    std::string urlName = Utf16ToUtf8(url);
    std::unique_ptr<CWinBlogStorage> store(new (std::nothrow) CWinBlogStorage(m_user.GetDataFolder(), urlName));
    if (!store) {
        ShowStringMessage(kNoMemory, MessageIcon::Error);
        return DialogOutcome::Stay(kFirstSettingsField);
    }
    CBlogInfo& info = store->GetBlogInfo();
    info.SetUrlName(urlName);
    info.SetUploadSize(m_uploadList.ValueAt(settings.uploadChoice).value_or(kFullSizeUpload));
    info.SetDownloadSize(m_downloadList.ValueAt(settings.downloadChoice).value_or(DefaultDownloadSize()));
    info.SetLimitEntries(settings.limitEntries);
    info.SetEntryLimit(static_cast<std::uint16_t>(*entryLimit));
    info.SetDeleteAfterUpload(settings.deleteAfterUpload);
    store->SetUserId(m_user.GetUserId());

    ErrorCode result = Error::Success;
    if (m_services.operations) {
        RunConnected([&](ProgressWindow& progress) { result = m_services.operations->SyncBlog(*store, m_user, nullptr, progress); },
            urlName);
    }
    // A sync the user cancelled, or one whose failure was already shown,
    // leaves a subscribed blog that the next sync fills.
    if (result == Error::Success || result == Error::AlreadyReported || result == Error::Cancelled) {
        SetNewBlog(std::move(store));
        return DialogOutcome::Close(DialogResults::Ok);
    }
    ReportNetworkFailure(result);
    m_page = kUrlPage;
    return DialogOutcome::Stay(kUrlField);
}

std::optional<std::u16string> SubscribeWorkflow::Browse()
{
    if (!m_services.accounts)
        return std::nullopt;
    CWinBlogChannels channels;
    ErrorCode result = Error::Success;
    bool ran = RunConnected([&](ProgressWindow& progress) { result = m_services.accounts->GetChannels(channels, progress); });
    if (!ran)
        return std::nullopt;
    if (result != Error::Success) {
        ReportNetworkFailure(result);
        return std::nullopt;
    }
    // Chosen once the connection is closed: picking needs no network.
    BrowseBlogsWorkflow browse(channels);
    if (m_dialogs.RunBrowseBlogs(browse) != DialogResults::Ok)
        return std::nullopt;
    return browse.GetChosenUrlName();
}
