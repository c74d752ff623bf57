#pragma once

#include "workflows/DialogOutcome.h"

#include <optional>
#include <string>

class CWinBlogStorage;

// The "Blog" page of the blog preferences (CBlogPage): the Blog URL, title,
// subtitle and visibility that the service shows, kept in the blog's
// descriptor. Changed values are marked so that the next sync sends them.
class BlogPageWorkflow {
public:
    enum Field : int {
        kUrlField,
        kTitleField,
        kSubtitleField,
        kShowOnWebField,
    };
    static constexpr size_t kUrlLimit = 31;
    static constexpr size_t kTitleLimit = 47;
    static constexpr size_t kSubtitleLimit = 63;

    struct Controls {
        std::u16string url;
        std::u16string title;
        std::u16string subtitle;
        bool showOnWeb { true }; // the negation of the descriptor's hidden
    };

    explicit BlogPageWorkflow(CWinBlogStorage& store);

    Controls Opening() const;
    // Reads the controls back: a field past its limit shows the framework's
    // message, a Blog URL that breaks the rule string 205; the page stays
    // on that field.
    DialogOutcome ReadBack(const Controls& controls);
    // Stores each value that differs from the descriptor's (exactly) and
    // marks the settings modified when anything changed.
    void Apply();

private:
    CWinBlogStorage& m_store;
    std::optional<Controls> m_read;
};
