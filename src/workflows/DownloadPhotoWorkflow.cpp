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

std::uint16_t DownloadPhotoWorkflow::InitialSize(const BlogEntry& entry)
{
    if (IsPhotoSize(entry.GetPhotoState()))
        return entry.GetPhotoState();
    std::uint32_t preferred = ReadDownloadPhotoSize();
    return IsPhotoSize(preferred) ? static_cast<std::uint16_t>(preferred) : kUsualPhotoSize;
}

DownloadPhotoWorkflow::DownloadPhotoWorkflow(std::uint16_t initialSize)
    : m_sizes(MakeSizeList(DownloadPhotoSizeChoices(), IsPhotoSize(initialSize) ? initialSize : kUsualPhotoSize))
    , m_size(IsPhotoSize(initialSize) ? initialSize : kUsualPhotoSize)
{
}

DialogOutcome DownloadPhotoWorkflow::Choose(std::optional<size_t> choice, DialogResult result)
{
    auto size = m_sizes.ValueAt(choice);
    if (!size)
        return DialogOutcome::Stay(kSizeField);
    m_size = *size;
    // A preference that cannot be written keeps its old value; the choice
    // still holds for this download.
    (void)WriteDownloadPhotoSize(m_size);
    return DialogOutcome::Close(result);
}

DialogOutcome DownloadPhotoWorkflow::Now(std::optional<size_t> choice)
{
    if (!m_canDownloadNow)
        return DialogOutcome::Stay();
    return Choose(choice, DialogResults::Ok);
}

DialogOutcome DownloadPhotoWorkflow::NextSync(std::optional<size_t> choice)
{
    return Choose(choice, DialogResults::DownloadNextSync);
}

bool DownloadPhotoWorkflow::AlreadyHasSize(const BlogEntry& entry) const
{
    const std::string& path = entry.GetPhotoPath();
    if (path.empty() || !IsRegularFile(path) || entry.GetPhotoState() != m_size)
        return false;
    ShowStringMessage(kAlreadyHaveSizeMessage, MessageIcon::Information);
    return true;
}

bool DownloadPhotoWorkflow::ShouldDownloadNow(const BlogEntry& entry) const
{
    return !AlreadyHasSize(entry);
}

void DownloadPhotoWorkflow::RequestAtNextSync(CWinBlogStorage& store, BlogEntry& entry) const
{
    if (AlreadyHasSize(entry))
        return;
    // The request alone does not make the entry pending.
    bool pending = entry.IsPending();
    entry.SetPhotoState(static_cast<std::uint8_t>(m_size + kRequestedSizeOffset));
    entry.SetPending(pending);
    // The store reports a failed save itself (message 6002).
    (void)store.Save();
}
