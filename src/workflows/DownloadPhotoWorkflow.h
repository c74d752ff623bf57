#pragma once

#include "workflows/DialogOutcome.h"
#include "workflows/SizeChoices.h"

#include <cstdint>
#include <optional>

class BlogEntry;
class CWinBlogStorage;

// "Download Photo" (CDownloadPhotoDlg): the size at which to fetch one
// entry's photo, now or at the next sync. The choice is remembered in the
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

    // The size the dialog starts at for an entry: its own photo's size,
    // else "Download Photo Size", else "480x360".
    static std::uint16_t InitialSize(const BlogEntry& entry);

    explicit DownloadPhotoWorkflow(std::uint16_t initialSize);

    // "Now" is offered only when the opener can fetch the photo at once,
    // which needs the service; "Next Sync" always is.
    void OfferNow(bool offer) { m_canDownloadNow = offer; }
    bool CanDownloadNow() const { return m_canDownloadNow; }

    // The sizes from "176x132" to "Full size", the starting one chosen.
    const SizeList& Sizes() const { return m_sizes; }

    // "Now" and "Next Sync" store the chosen size in "Download Photo Size"
    // and close with OK or DialogResults::DownloadNextSync; "Now" does
    // nothing while it is not offered.
    DialogOutcome Now(std::optional<size_t> choice);
    DialogOutcome NextSync(std::optional<size_t> choice);
    std::uint16_t GetSize() const { return m_size; }
    void SetSize(std::uint16_t size) { m_size = size; }

    // What the opener does after "Now": false (after string 170) when the
    // entry already has its photo at that size; otherwise it downloads it.
    bool ShouldDownloadNow(const BlogEntry& entry) const;
    // After "Next Sync": unless the entry already has the size (string
    // 170), the entry asks for its photo at that size at the next sync,
    // without becoming pending by that, and the store is saved so that the
    // request is kept.
    void RequestAtNextSync(CWinBlogStorage& store, BlogEntry& entry) const;

private:
    DialogOutcome Choose(std::optional<size_t> choice, DialogResult result);
    bool AlreadyHasSize(const BlogEntry& entry) const;

    SizeList m_sizes;
    std::uint16_t m_size;
    bool m_canDownloadNow { false };
};
