#pragma once

#include "workflows/DialogOutcome.h"

#include <optional>
#include <string>
#include <vector>

class CWinBlogStorage;
class CWinBlogUser;
class DialogHost;

// CEditBlogListDlg ("Edit Blogs"): the user's blogs by display name, each
// of which can be unsubscribed (removed from the device, with its photos if
// the user wishes) or have its preferences edited.
class EditBlogListWorkflow {
public:
    static constexpr std::string_view kTitle = "Edit Blogs";
    static constexpr std::string_view kUnsubscribeButton = "Unsubscribe...";
    static constexpr std::string_view kBlogPrefsButton = "Blog Prefs...";

    struct Item {
        std::u16string text;
        CWinBlogStorage* store;
    };

    EditBlogListWorkflow(CWinBlogUser& user, DialogHost& dialogs);

    CWinBlogUser& GetUser() { return m_user; }
    // Sorted by display name, letter case ignored.
    const std::vector<Item>& Items() const { return m_items; }
    // The item selected when the dialog opens: the first.
    std::optional<size_t> FirstSelection() const;
    // Whether the two buttons work on the selection.
    bool CanEdit(std::optional<size_t> selection) const;

    // "Unsubscribe...": asks (CConfirmDeleteBlogDlg) and removes the blog
    // from the device; true when its item went.
    bool Unsubscribe(std::optional<size_t> selection);
    // "Blog Prefs...": the blog's preferences, both pages; the store is
    // saved after OK. Its display name may have changed: the items are
    // sorted again and the answer is where that blog's item is now.
    std::optional<size_t> EditBlogPrefs(std::optional<size_t> selection);

private:
    void FillItems();

    CWinBlogUser& m_user;
    DialogHost& m_dialogs;
    std::vector<Item> m_items;
};
