#pragma once

#include "workflows/DialogOutcome.h"

#include <optional>
#include <string>
#include <vector>

class CWinBlogChannel;
class CWinBlogChannels;

// CBrowseBlogsDlg ("Recommended Blogs"): picks one of the service's
// recommended blogs; on OK the chosen Blog URL (empty when none was
// selected, which empties the subscribe dialog's field).
class BrowseBlogsWorkflow {
public:
    static constexpr std::string_view kTitle = "Recommended Blogs";
    static constexpr std::string_view kSubscribeButton = "Subscribe";

    explicit BrowseBlogsWorkflow(const CWinBlogChannels& channels);

    const CWinBlogChannels& GetChannels() const { return m_channels; }
    // The channels in the list's order: by name, letter case ignored.
    const std::vector<const CWinBlogChannel*>& Items() const { return m_items; }

    // "Subscribe": the selected item's Blog URL, or none; the dialog closes
    // with OK either way.
    DialogOutcome Subscribe(std::optional<size_t> selection);
    const std::u16string& GetChosenUrlName() const { return m_chosen; }

private:
    const CWinBlogChannels& m_channels;
    std::vector<const CWinBlogChannel*> m_items;
    std::u16string m_chosen;
};
