#pragma once

#include "workflows/DialogOutcome.h"
#include "workflows/SizeChoices.h"

#include <cstdint>
#include <optional>

class BlogEntry;
class CWinBlogStorage;

// "Download Photo" (CDownloadPhotoDlg): fetches one entry's photo at a
// larger size, now or at the next sync. The choice is remembered in the
// preference "Download Photo Size".
class DownloadPhotoWorkflow {
public:
    enum Field : int {
        kSizeField,
    };
    static constexpr std::string_view kTitle = "Download Photo";
    static constexpr unsigned kAlreadyHaveSizeMessage = 170;
    // The photo state that asks for the photo at a size at the next sync is
    // the size code plus this.
    static constexpr std::uint8_t kRequestedSizeOffset = 6;

    DownloadPhotoWorkflow(CWinBlogStorage& store, BlogEntry& entry);

    // The sizes from "176x132" to "Full size", starting at the entry's own
    // size, else at "Download Photo Size", else at "480x360".
    const SizeList& Sizes() const { return m_sizes; }

    // "Now" and "Next Sync" store the chosen size in "Download Photo Size"
    // and close with OK or DialogResult::NextSync.
    DialogOutcome Now(std::optional<size_t> choice);
    DialogOutcome NextSync(std::optional<size_t> choice);
    std::uint16_t ChosenSize() const { return m_chosen; }

    // After "Now": false (after string 170) when the entry already has its
    // photo at that size; otherwise the opener downloads it.
    bool ShouldDownloadNow();
    // After "Next Sync": unless the entry already has the size (string 170),
    // the entry asks for its photo at that size at the next sync, without
    // becoming pending by that, and the store is saved so that the request
    // is kept.
    void RequestAtNextSync();

private:
    DialogOutcome Choose(std::optional<size_t> choice, int result);
    bool AlreadyHasChosenSize();

    CWinBlogStorage& m_store;
    BlogEntry& m_entry;
    SizeList m_sizes;
    std::uint16_t m_chosen { 0 };
};
