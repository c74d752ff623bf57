#pragma once

#include "workflows/DialogOutcome.h"

#include <optional>
#include <string>
#include <vector>

class BlogAlbum;
class CWinBlogStorage;

// "Edit Categories" (CEditCategoriesDlg): the blog's categories in a list,
// made, renamed and deleted one at a time. Each change is made in the store
// at once, so Cancel undoes none of them; "Done" saves the store. The
// category names are asked with the category name dialog
// (CategoryNameWorkflow), which the dialog opens for "New..." and
// "Edit...".
class EditCategoriesWorkflow {
public:
    static constexpr std::string_view kTitle = "Edit Categories";
    static constexpr unsigned kNoSelectionMessage = 199;
    static constexpr unsigned kDeleteQuestion = 200;

    struct Item {
        std::u16string text;
        BlogAlbum* category { nullptr };
    };

    explicit EditCategoriesWorkflow(CWinBlogStorage& store);

    CWinBlogStorage& GetStore() { return m_store; }
    // The categories sorted by name, "Unfiled" not among them.
    const std::vector<Item>& Items() const { return m_items; }
    // The first item, when there is one.
    std::optional<size_t> FirstSelection() const;
    // "Edit..." and "Delete..." need a chosen item.
    bool CanEditOrDelete(std::optional<size_t> selection) const;

    // Names are in the 8-bit form the store keeps them in.
    // After "New..." was answered with a name: the category is made with
    // the blog's next free local id and added; its item's position, to be
    // chosen. None when the blog has no local id left (the user is told).
    std::optional<size_t> AddCategory(std::string_view name);

    // "Edit...": the category to rename, or none after string 199 said
    // that nothing is chosen.
    BlogAlbum* CategoryToEdit(std::optional<size_t> selection);
    // After the rename was answered with a name: the category takes it and
    // is marked to be sent; its item's new position, to be chosen.
    size_t RenameCategory(BlogAlbum& category, std::string_view name);

    // "Delete...": string 199 without a choice; otherwise question 200, and
    // on Yes the category goes (queued for deletion on the web, its
    // entries to "Unfiled"). Whether it went.
    bool DeleteCategory(std::optional<size_t> selection);

    // "Done": saves the store and closes with OK.
    DialogOutcome Done();

private:
    size_t InsertItem(BlogAlbum& category);
    void RemoveItemOf(const BlogAlbum& category);

    CWinBlogStorage& m_store;
    std::vector<Item> m_items;
};
