#pragma once

#include <string>

class CWinBlogChannels;

// CBrowseBlogsDlg ("Recommended Blogs"): picks one of the service's
// recommended blogs; on OK the chosen Blog URL (empty when none was
// selected).
class BrowseBlogsWorkflow {
public:
    explicit BrowseBlogsWorkflow(const CWinBlogChannels& channels)
        : m_channels(channels)
    {
    }

    const CWinBlogChannels& GetChannels() const { return m_channels; }
    const std::u16string& GetChosenUrlName() const { return m_chosen; }
    void SetChosenUrlName(std::u16string urlName) { m_chosen = std::move(urlName); }

private:
    const CWinBlogChannels& m_channels;
    std::u16string m_chosen;
};
