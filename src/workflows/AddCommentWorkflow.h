#pragma once

#include <string>
#include <string_view>

// CAddCommentDlg: the text of a new comment (UTF-8), without a limit and
// without a check (an empty comment is taken too); "Add" closes with OK.
class AddCommentWorkflow {
public:
    static constexpr std::string_view kTitle = "Add Comment";

    const std::string& GetText() const { return m_text; }
    void SetText(std::string text) { m_text = std::move(text); }

private:
    std::string m_text;
};
