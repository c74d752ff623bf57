#pragma once

#include "workflows/DialogOutcome.h"
#include "workflows/SizeChoices.h"

#include <cstdint>
#include <optional>
#include <string>

class CWinBlogStorage;

// The "Synching" page of the blog preferences (CSyncPage): what a sync of
// the blog uploads and downloads, kept in the blog's descriptor. The page
// reads the descriptor when it opens and writes it only when the sheet
// closes with OK (Apply).
class SyncPageWorkflow {
public:
    enum Field : int {
        kDownloadField,
        kUploadField,
        kLimitEntriesField,
        kEntryLimitField,
        kDeleteAfterUploadField,
    };
    // The entry limit is a 16-bit number.
    static constexpr std::uint32_t kLargestEntryLimit = 65535;
    static constexpr size_t kEntryLimitDigits = 5;
    // String 209, asked when only thumbnails are to be downloaded from now on.
    static constexpr unsigned kPurgeForThumbnailsQuestion = 209;

    // What the page's controls show.
    struct Controls {
        std::optional<size_t> downloadChoice; // position in DownloadList()
        std::optional<size_t> uploadChoice;   // position in UploadList()
        bool limitEntries { true };
        std::u16string entryLimit;
        bool deleteAfterUpload { false };
    };

    explicit SyncPageWorkflow(CWinBlogStorage& store);

    const SizeList& DownloadList() const { return m_downloadList; }
    const SizeList& UploadList() const { return m_uploadList; }
    // The descriptor's five sync fields, as the page opens with them.
    Controls Opening() const;

    // Reads the controls back: an entry limit that is not a number from 0 to
    // 65535 shows the framework's message and the page stays on that field.
    // A list with nothing chosen keeps the descriptor's value.
    DialogOutcome ReadBack(const Controls& controls);

    // Applies what ReadBack read, as the sheet closes with OK: raising the
    // limit of a limited blog makes the next sync download everything
    // again; changing from a photo size to thumbnails asks (string 209)
    // whether the photos on the device go; then the five fields are stored.
    void Apply();

private:
    struct Settings {
        std::uint16_t uploadSize;
        std::uint16_t downloadSize;
        bool limitEntries;
        std::uint16_t entryLimit;
        bool deleteAfterUpload;
    };

    CWinBlogStorage& m_store;
    SizeList m_downloadList;
    SizeList m_uploadList;
    std::optional<Settings> m_read;
};
