#pragma once

#include "workflows/CategoryChoices.h"
#include "workflows/DialogOutcome.h"

#include <optional>
#include <vector>

class CWinBlogStorage;

// "Categorize Entries" (CCategorizeEntriesDlg): puts every entry the view
// shows into one category. The opener then saves the store and reloads
// the shown entries.
class CategorizeEntriesWorkflow {
public:
    enum Field : int {
        kCategoryField,
    };
    static constexpr std::string_view kTitle = "Categorize Entries";
    static constexpr std::string_view kPrompt = "Categorize all blog entries currently being displayed as:";
    static constexpr unsigned kSomeNotCategorizedMessage = 210;

    explicit CategorizeEntriesWorkflow(CWinBlogStorage& store);

    CWinBlogStorage& GetStore() { return m_store; }

    // The blog's categories, then "Unfiled"; the first is chosen.
    const std::vector<CategoryItem>& CategoryList() const { return m_items; }
    std::optional<size_t> FirstChoice() const;

    // OK: without a choice the dialog stays. Choosing the category the view
    // already filters by changes nothing. Otherwise every shown entry the
    // user may change gets the category and becomes pending when it had
    // another; the others are left alone and string 210 says so once.
    DialogOutcome Ok(std::optional<size_t> choice);
    // How many entries OK changed.
    size_t ChangedCount() const { return m_changed; }

private:
    CWinBlogStorage& m_store;
    std::vector<CategoryItem> m_items;
    size_t m_changed { 0 };
};
