#pragma once

#include <string>

// CAddCommentDlg: the text of a new comment (UTF-8); "Add" closes with OK.
class AddCommentWorkflow {
public:
    const std::string& GetText() const { return m_text; }
    void SetText(std::string text) { m_text = std::move(text); }

private:
    std::string m_text;
};
