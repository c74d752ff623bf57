#include "workflows/SyncPageWorkflow.h"

#include "workflows/FieldLimits.h"

#include "app/Messages.h"
#include "model/CWinBlogStorage.h"

#include <string>

static constexpr std::uint16_t kThumbnailsOnly = 1;

SyncPageWorkflow::SyncPageWorkflow(CWinBlogStorage& store)
    : m_store(store)
    , m_downloadList(MakeSizeList(DownloadSizeChoices(), store.GetBlogInfo().GetDownloadSize()))
    , m_uploadList(MakeSizeList(UploadSizeChoices(), store.GetBlogInfo().GetUploadSize()))
{
}

SyncPageWorkflow::Controls SyncPageWorkflow::Opening() const
{
    const CBlogInfo& info = m_store.GetBlogInfo();
    Controls controls;
    controls.downloadChoice = m_downloadList.selected;
    controls.uploadChoice = m_uploadList.selected;
    controls.limitEntries = info.GetLimitEntries();
    std::string limit = std::to_string(info.GetEntryLimit());
    controls.entryLimit.assign(limit.begin(), limit.end());
    controls.deleteAfterUpload = info.GetDeleteAfterUpload();
    return controls;
}

DialogOutcome SyncPageWorkflow::ReadBack(const Controls& controls)
{
    auto entryLimit = ReadNumberField(controls.entryLimit, kLargestEntryLimit);
    if (!entryLimit)
        return DialogOutcome::Stay(kEntryLimitField);
    const CBlogInfo& info = m_store.GetBlogInfo();
    m_read = Settings {
        m_uploadList.ValueAt(controls.uploadChoice).value_or(info.GetUploadSize()),
        m_downloadList.ValueAt(controls.downloadChoice).value_or(info.GetDownloadSize()),
        controls.limitEntries,
        static_cast<std::uint16_t>(*entryLimit),
        controls.deleteAfterUpload,
    };
    return DialogOutcome::Close(DialogResults::Ok);
}

void SyncPageWorkflow::Apply()
{
    if (!m_read)
        return;
    CBlogInfo& info = m_store.GetBlogInfo();
    // Entries beyond the old limit were never fetched; only a full download
    // brings them.
    if (info.GetLimitEntries() && info.GetEntryLimit() < m_read->entryLimit)
        m_store.SetDownloadStamp(0);
    if (m_read->downloadSize == kThumbnailsOnly && info.GetDownloadSize() > kThumbnailsOnly
        && AskStringQuestion(kPurgeForThumbnailsQuestion, DefaultButton::No)) {
        // A photo that cannot be deleted stays; the choice is stored all the
        // same.
        (void)m_store.PurgePublishedPhotos();
    }
    info.SetUploadSize(m_read->uploadSize);
    info.SetDownloadSize(m_read->downloadSize);
    info.SetLimitEntries(m_read->limitEntries);
    info.SetEntryLimit(m_read->entryLimit);
    info.SetDeleteAfterUpload(m_read->deleteAfterUpload);
}
