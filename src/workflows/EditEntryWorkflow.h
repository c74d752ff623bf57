#pragma once

#include "workflows/CategoryChoices.h"
#include "workflows/DeleteEntriesWorkflow.h"
#include "workflows/DialogOutcome.h"

#include "platform/Clock.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

class BlogEntry;
class CWinBlogStorage;
class CWinBlogUser;
class NetworkOperations;

// "Edit Entry" (CEditEntryDlg): one entry's date and time, category, title
// and caption; deleting the entry; storing it on the web at once. An entry
// the user may not change is shown all the same, but nothing of it changes.
class EditEntryWorkflow {
public:
    enum Field : int {
        kDateField,
        kTimeField,
        kCategoryField,
        kTitleField,
        kCaptionField,
    };
    static constexpr std::string_view kTitle = "Edit Entry";
    static constexpr size_t kTitleLimit = 49;
    static constexpr size_t kCaptionLimit = 7999;
    // The dialog keeps its layout when made this low or lower (base pixels).
    static constexpr int kLowestLaidOutHeight = 181;
    // String 203, the category list's last item for an editable entry.
    static constexpr unsigned kEditCategoriesText = 203;
    static constexpr unsigned kBlogNotEditableMessage = 500;
    static constexpr unsigned kEntryNotEditableMessage = 501;

    // What the controls show.
    struct Controls {
        WallClock date {};              // its calendar date counts
        WallClock time {};              // its time of day counts
        std::optional<size_t> category; // position in CategoryList()
        std::u16string title;
        std::u16string caption;
    };

    struct ListItem {
        std::u16string text;
        std::uint32_t id { 0 };
        bool editsCategories { false }; // "Edit Categories..."
    };

    // How the Sync button shows: hidden for an entry the user may not
    // change, since there is nothing of it to send; disabled when the
    // opener has no service to send through, so that the button never
    // silently does nothing; enabled otherwise.
    enum class SyncButton {
        Hidden,
        Disabled,
        Enabled,
    };

    // notOnWeb: the opener says the entry was never published. The user is
    // the one whose entry it may be. Sync sends through `network`; without
    // it the button is disabled.
    EditEntryWorkflow(CWinBlogUser& user, CWinBlogStorage& store, BlogEntry& entry, bool notOnWeb, NetworkOperations* network);

    // Called after the user changed the blog's categories from the list, so
    // that the opener can rebuild what shows them.
    void SetCategoriesChangedHandler(std::function<void()> handler) { m_categoriesChanged = std::move(handler); }

    CWinBlogUser& GetUser() { return m_user; }
    CWinBlogStorage& GetStore() { return m_store; }
    BlogEntry& GetEntry() { return m_entry; }
    bool IsNotOnWeb() const { return m_notOnWeb; }
    bool IsReadOnly() const { return m_readOnly; }
    SyncButton GetSyncButton() const;
    const std::vector<ListItem>& CategoryList() const { return m_items; }
    // The entry's thumbnail (a JPEG), drawn in the picture frame.
    std::span<const std::uint8_t> Thumbnail() const;

    Controls Opening() const;

    // OK: the controls are read back (a field past its limit keeps the
    // dialog open) and applied: what differs from the entry changes it, it
    // becomes pending and the store is saved. For an entry the user may not
    // change, string 500 or 501 is shown instead and nothing changes.
    DialogOutcome Ok(const Controls& controls);
    // "Sync": applied as by OK (a field past its limit keeps the dialog
    // open). An entry that is pending afterwards, changed now or before,
    // is then stored on the web under the progress window, once connected,
    // with the blog's URL name as the window's title; a blog that synced is
    // saved. The dialog closes with OK whether the entry went or not:
    // without a connection, or after a cancel or a failure (shown where it
    // arose), the entry stays pending with its changes for the next sync.
    DialogOutcome Sync(const Controls& controls);

    // "Delete...": the delete dialog is opened with this workflow, and
    // unless it is cancelled Delete deletes the entry with its choices,
    // saves and closes with DialogResults::EntryDeleted. The entry is not to
    // be used afterwards.
    DeleteEntriesWorkflow DeleteDialog() const;
    DialogOutcome Delete(DeleteChoices choices);

    // Whether choosing this item of the category list opens the category
    // editor.
    bool OpensCategoryEditor(std::optional<size_t> item) const;
    // After the category editor ran on the store: the list is made anew and
    // the controls are as typed, with the entry's stored category chosen.
    Controls CategoriesEdited(const Controls& typed);

private:
    void FillCategoryList();
    std::optional<size_t> StoredCategoryItem() const;
    void SendEntry();

    CWinBlogUser& m_user;
    CWinBlogStorage& m_store;
    BlogEntry& m_entry;
    NetworkOperations* m_network;
    bool m_notOnWeb;
    bool m_readOnly;
    std::vector<ListItem> m_items;
    std::function<void()> m_categoriesChanged;
};
