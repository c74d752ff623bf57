#pragma once

class BlogEntry;

// CCaptionDlg: shows the entry's caption, read-only.
class CaptionWorkflow {
public:
    explicit CaptionWorkflow(const BlogEntry& entry)
        : m_entry(entry)
    {
    }

    const BlogEntry& GetEntry() const { return m_entry; }

private:
    const BlogEntry& m_entry;
};
