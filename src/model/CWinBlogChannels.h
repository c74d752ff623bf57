#pragma once

#include "model/CWinBlogChannel.h"

#include <memory>
#include <string_view>
#include <vector>

// The service's list of recommended blogs, in file order, owning its
// channels. It is built afresh each time the list is fetched.
class CWinBlogChannels {
public:
    CWinBlogChannels() = default;
    CWinBlogChannels(const CWinBlogChannels&) = delete;
    CWinBlogChannels& operator=(const CWinBlogChannels&) = delete;

    // Replaces the list with the channels of the text (the bytes inside the
    // channel file's element). Each line ended by CR or LF is a channel; a
    // last line without one is not taken, and a zero byte ends the text.
    // Empty lines between channels are skipped.
    void Parse(std::string_view text);

    size_t GetCount() const { return m_channels.size(); }
    const CWinBlogChannel& GetAt(size_t index) const { return *m_channels[index]; }
    void RemoveAll() { m_channels.clear(); }

    auto begin() const { return m_channels.begin(); }
    auto end() const { return m_channels.end(); }

    // The URL name within a line: the line without its leading white space,
    // up to its first space.
    static std::u16string UrlNameOf(std::u16string_view line);

private:
    std::vector<std::unique_ptr<CWinBlogChannel>> m_channels;
};
