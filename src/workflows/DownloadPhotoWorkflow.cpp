#include "workflows/DownloadPhotoWorkflow.h"

#include "app/Messages.h"
#include "app/Preferences.h"
#include "model/CWinBlogStorage.h"
#include "platform/FileSystem.h"

static constexpr std::uint16_t kSmallestPhotoSize = 2;
static constexpr std::uint16_t kLargestPhotoSize = 7;
static constexpr std::uint16_t kUsualPhotoSize = 5; // "480x360"

static bool IsPhotoSize(std::uint32_t code)
{
    return code >= kSmallestPhotoSize && code <= kLargestPhotoSize;
}

static std::uint16_t StartingSize(const BlogEntry& entry)
{
    if (IsPhotoSize(entry.GetPhotoState()))
        return entry.GetPhotoState();
    std::uint32_t preferred = ReadDownloadPhotoSize();
    return IsPhotoSize(preferred) ? static_cast<std::uint16_t>(preferred) : kUsualPhotoSize;
}

DownloadPhotoWorkflow::DownloadPhotoWorkflow(CWinBlogStorage& store, BlogEntry& entry)
    : m_store(store)
    , m_entry(entry)
    , m_sizes(MakeSizeList(DownloadPhotoSizeChoices(), StartingSize(entry)))
{
}

DialogOutcome DownloadPhotoWorkflow::Choose(std::optional<size_t> choice, int result)
{
    auto size = m_sizes.ValueAt(choice);
    if (!size)
        return DialogOutcome::Stay(kSizeField);
    m_chosen = *size;
    // A preference that cannot be written keeps its old value; the choice
    // still holds for this download.
    (void)WriteDownloadPhotoSize(m_chosen);
    return DialogOutcome::Close(result);
}

DialogOutcome DownloadPhotoWorkflow::Now(std::optional<size_t> choice)
{
    return Choose(choice, DialogResult::Ok);
}

DialogOutcome DownloadPhotoWorkflow::NextSync(std::optional<size_t> choice)
{
    return Choose(choice, DialogResult::NextSync);
}

bool DownloadPhotoWorkflow::AlreadyHasChosenSize()
{
    const std::string& path = m_entry.GetPhotoPath();
    if (path.empty() || !IsRegularFile(path) || m_entry.GetPhotoState() != m_chosen)
        return false;
    ShowStringMessage(kAlreadyHaveSizeMessage, MessageIcon::Information);
    return true;
}

bool DownloadPhotoWorkflow::ShouldDownloadNow()
{
    return m_chosen != 0 && !AlreadyHasChosenSize();
}

void DownloadPhotoWorkflow::RequestAtNextSync()
{
    if (m_chosen == 0 || AlreadyHasChosenSize())
        return;
    // The request alone does not make the entry pending.
    bool pending = m_entry.IsPending();
    m_entry.SetPhotoState(static_cast<std::uint8_t>(m_chosen + kRequestedSizeOffset));
    m_entry.SetPending(pending);
    // The store reports a failed save itself (message 6002).
    (void)m_store.Save();
}
