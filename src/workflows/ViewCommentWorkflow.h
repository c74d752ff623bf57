#pragma once

#include <string>
#include <string_view>

// CViewCommentDlg: one comment's caption with its header, read-only.
class ViewCommentWorkflow {
public:
    static constexpr std::string_view kTitle = "View Comment";

    explicit ViewCommentWorkflow(std::string caption)
        : m_caption(std::move(caption))
    {
    }

    const std::string& GetCaption() const { return m_caption; }

private:
    std::string m_caption;
};
