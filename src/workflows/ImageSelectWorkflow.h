#pragma once

#include "workflows/CImageItem.h"
#include "workflows/DialogOutcome.h"

#include "app/StringTable.h"

#include <string>
#include <vector>

class CWinBlogStorage;

// CImageSelectDlg, the photo picker: the JPEG photos of the device that the
// blog does not have yet, newest first, each of which a tap ticks or
// unticks; on OK the ticked ones in the order in which they were ticked.
class ImageSelectWorkflow {
public:
    static constexpr StringId kSearchingText = 228;

    ImageSelectWorkflow(const CWinBlogStorage& blog, StringId title)
        : m_blog(blog)
        , m_title(title)
    {
    }

    const CWinBlogStorage& GetBlog() const { return m_blog; }
    StringId GetTitle() const { return m_title; }

    // Opening the picker: searches the device's photo folders under a
    // progress window ("Searching...") and keeps what was found. A Cancel
    // there ends the search; the picker then offers what was found so far.
    void SearchDevice();
    // The same over other folders.
    void Search(const std::vector<std::string>& folders);
    bool WasSearchCancelled() const { return m_searchCancelled; }

    const std::vector<CImageItem>& GetItems() const { return m_items; }
    size_t GetItemCount() const { return m_items.size(); }

    // A tap on an item, or Enter on it: an unticked item is ticked (it goes
    // at the end of the selection), a ticked one unticked.
    void Toggle(size_t index);
    bool IsTicked(size_t index) const;
    // The ticked items, in the order in which they were ticked.
    size_t GetSelectedCount() const { return m_ticked.size(); }
    const std::string& GetSelectedPath(size_t i) const { return m_items[m_ticked[i]].path; }

    // OK: the ticked paths become the picker's answer.
    DialogOutcome Ok();
    const std::vector<std::string>& GetSelectedPaths() const { return m_selected; }
    void SetSelectedPaths(std::vector<std::string> paths) { m_selected = std::move(paths); }

private:
    const CWinBlogStorage& m_blog;
    StringId m_title;
    std::vector<CImageItem> m_items;
    bool m_searchCancelled { false };
    // Indices of the ticked items, in ticking order.
    std::vector<size_t> m_ticked;
    std::vector<std::string> m_selected;
};
