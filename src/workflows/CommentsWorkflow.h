#pragma once

#include "workflows/DialogOutcome.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class BlogComment;
class BlogEntry;
class CWinBlogStorage;
class CWinBlogUser;
class DialogHost;
class NetworkOperations;

// "Comments" (CCommentsDlg): the comments of one published entry, oldest
// first, with "Add..." (a new comment, sent to the service at once),
// "Delete..." (queued for deletion on the web at the next sync) and, where
// the list shows the texts alone, "View...". Every change is saved at once,
// so closing the dialog never loses one.
class CommentsWorkflow {
public:
    // How the list shows a comment: whole, with its author and age above
    // its text, or (the handheld's older list) its text alone on one line,
    // read in full with "View...".
    enum class ListStyle {
        WholeComments,
        OneLine,
    };
    static constexpr std::string_view kTitle = "Comments";
    // The dialog keeps its layout when made this low or lower (base pixels).
    static constexpr int kLowestLaidOutHeight = 181;
    static constexpr unsigned kNoSelectionMessage = 199;
    static constexpr unsigned kDeleteQuestion = 224;
    static constexpr unsigned kNoDeletePermissionMessage = 225;

    struct Item {
        std::string text;      // what the list holds (UTF-8)
        std::string wholeText; // what the list draws: the caption with its header
        const BlogComment* comment { nullptr };
    };

    // Sends go through `network`; without it a new comment waits for the
    // next sync. The add and view dialogs are run by `dialogs`.
    CommentsWorkflow(CWinBlogUser& user, CWinBlogStorage& store, BlogEntry& entry, DialogHost& dialogs, NetworkOperations* network,
        ListStyle style = ListStyle::WholeComments);

    // The dialog's opening: the store's comment selection becomes the
    // entry's, the list is filled, and the entry's new-comments mark is
    // cleared (and saved when it was set). Answers the item to select, the
    // last one.
    std::optional<size_t> Open();
    const std::vector<Item>& Items() const { return m_items; }
    // Whether "Add..." and "Delete..." are enabled: the user may comment on
    // the blog.
    bool CanAddAndDelete() const;
    bool OffersView() const { return m_style == ListStyle::OneLine; }

    // The buttons; each takes the list's selection and answers the one to
    // show afterwards.
    std::optional<size_t> Add(std::optional<size_t> selected);
    std::optional<size_t> Delete(std::optional<size_t> selected);
    void View(std::optional<size_t> selected);

private:
    void Fill();
    std::optional<size_t> ItemOf(const BlogComment* comment) const;
    const Item* SelectedItem(std::optional<size_t> selected) const;
    void Save();
    void Send(BlogComment& comment);

    CWinBlogUser& m_user;
    CWinBlogStorage& m_store;
    BlogEntry& m_entry;
    DialogHost& m_dialogs;
    NetworkOperations* m_network;
    ListStyle m_style;
    std::vector<Item> m_items;
};
