#pragma once

#include <string>

// CViewCommentDlg: one comment's caption with its header, read-only.
class ViewCommentWorkflow {
public:
    explicit ViewCommentWorkflow(std::string caption)
        : m_caption(std::move(caption))
    {
    }

    const std::string& GetCaption() const { return m_caption; }

private:
    std::string m_caption;
};
