#pragma once

#include "app/StringTable.h"

#include <string>
#include <vector>

class CWinBlogStorage;

// CImageSelectDlg, the photo picker: the JPEG photos of the device that the
// blog does not have yet; on OK the ticked ones in ticking order.
class ImageSelectWorkflow {
public:
    ImageSelectWorkflow(const CWinBlogStorage& blog, StringId title)
        : m_blog(blog)
        , m_title(title)
    {
    }

    const CWinBlogStorage& GetBlog() const { return m_blog; }
    StringId GetTitle() const { return m_title; }
    const std::vector<std::string>& GetSelectedPaths() const { return m_selected; }
    void SetSelectedPaths(std::vector<std::string> paths) { m_selected = std::move(paths); }

private:
    const CWinBlogStorage& m_blog;
    StringId m_title;
    std::vector<std::string> m_selected;
};
