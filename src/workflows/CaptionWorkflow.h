#pragma once

#include <string>
#include <string_view>

class BlogEntry;

// "Caption" (CCaptionDlg): an entry's caption, to read. OK, or releasing
// the handheld's F6 key, closes it; nothing changes.
class CaptionWorkflow {
public:
    static constexpr std::string_view kTitle = "Caption";

    explicit CaptionWorkflow(const BlogEntry& entry)
        : m_entry(entry)
    {
    }

    const BlogEntry& GetEntry() const { return m_entry; }
    std::u16string Caption() const;

private:
    const BlogEntry& m_entry;
};
