#pragma once

#include "platform/ErrorCode.h"
#include "workflows/NetworkServices.h"
#include "workflows/CommandIds.h"
#include "workflows/DialogHost.h"
#include "workflows/MenuModel.h"
#include "workflows/ViewKey.h"
#include "workflows/ViewMode.h"

#include <cstdint>
#include <memory>
#include <string>

class BlogEntry;
class CWinBlogStorage;
class CWinBlogUser;
class MainViewSurface;
class AccountOperations;
class NetworkOperations;
struct CommandRow;

// The main view's controller: which blog and which entry the user looks at,
// the moves between the three modes, the menus with their check marks, and
// every command of the menus, soft keys and context menus. It draws nothing:
// it tells a MainViewSurface what to show, asks the user through
// UserInteraction and opens dialogs through a DialogHost, so that all of it
// runs headless.
class MainViewController {
public:
    MainViewController(CWinBlogUser& user, DialogHost& dialogs, MainViewSurface& surface);
    MainViewController(const MainViewController&) = delete;
    MainViewController& operator=(const MainViewController&) = delete;

    // The service's operations; none until the program has them, which
    // leaves the network commands disabled.
    void SetNetworkOperations(NetworkOperations* network) { m_network = network; }
    NetworkOperations* GetNetworkOperations() const { return m_network; }
    // The account operations of the account and blog dialogs; none until
    // the program has them.
    void SetAccountOperations(AccountOperations* accounts) { m_accounts = accounts; }
    NetworkServices GetNetworkServices() const { return { m_network, m_accounts }; }

    // The view's start: loads the user record and the blogs, runs the
    // welcome flow when there is no login, makes the sample blog, syncs when
    // the login asked for it, and reopens "Currently Viewed Blog".
    void Init();

    ViewMode GetMode() const;
    CWinBlogUser& GetUser() { return m_user; }
    // None in Home mode.
    CWinBlogStorage* GetCurrentBlog() const { return m_currentBlog; }
    // The entry the entry page shows; none unless in Entry mode.
    BlogEntry* GetCurrentEntry() const;
    long GetCurrentEntryIndex() const { return m_entryShown ? m_entryIndex : -1; }
    // The number of items of the grid in the current mode.
    size_t GetItemCount() const;

    // The moves between the modes.
    void OpenBlog(size_t index);
    void GoHome();
    void OpenEntry(size_t shownIndex);
    void CloseEntry();
    // A tap released on a grid item, or Enter on the selected one.
    void ItemActivated(long index);
    // The keys of the entry page and Escape; false leaves the key to the
    // grid.
    bool HandleKey(ViewKey key);

    // Runs a command on the current blog and entry; false when the view
    // leaves it to the frame (Exit) or the command is disabled.
    bool RunCommand(CommandId id);
    // Runs a command of a context menu on the blog row or entry cell at
    // `index`.
    bool RunContextCommand(CommandId id, long index);
    bool IsCommandEnabled(CommandId id) const;
    // Whether the view (rather than the frame) handles the command.
    static bool IsViewCommand(CommandId id);

    // A new pending entry of the current blog from a photo file: added,
    // saved and selected, or opened in the edit entry dialog. Used by the
    // camera and by a camera application's notice.
    void AddPhotoEntry(const std::string& path, bool offerEditDialog);

    // What the bars show.
    Menu BuildMenu(MenuId id) const;
    SoftKeys GetSoftKeys() const;
    std::string GetTitle() const;
    // The command whose item text a header drop-down shows.
    CommandId GetFilterCommand() const;
    CommandId GetCategoryCommand() const;
    std::string GetDropDownText(MenuId id) const;

private:
    // What a command acts on: the current blog and entry, or the cell of a
    // context menu.
    struct Target {
        CWinBlogStorage* blog { nullptr };
        BlogEntry* entry { nullptr };
        long entryIndex { -1 };
        bool fromContextMenu { false };
    };

    friend struct CommandRow;
    static const CommandRow* FindRow(CommandId id);
    bool IsRowEnabled(const CommandRow& row) const;
    bool Dispatch(CommandId id, const Target& target);
    Target CurrentTarget() const;

    bool HasLogin() const;
    // The blog at a position of the user's list; none past its end.
    CWinBlogStorage* BlogAt(size_t index) const;
    bool RunWelcomeFlowIfNoLogin();
    void RefreshHomeList();
    void Refresh(bool toTop);
    void ApplyFilters(std::uint32_t categoryFilter, std::uint16_t statusFilter);
    void SetShownEntry(long index);
    void AfterEntryChanged(BlogEntry& entry);
    void AfterEntryRemoved();
    bool SaveStore(CWinBlogStorage& store);
    void AddNewBlog(std::unique_ptr<CWinBlogStorage> store);

    // The command handlers, grouped as the files that hold them.
    // Navigation (MainViewNavigation.cpp).
    void OnOk(CommandId, const Target&);
    void OnCloseEntry(CommandId, const Target&);
    void OnHome(CommandId, const Target&);
    void OnStepEntry(CommandId, const Target&);
    void OnFilter(CommandId, const Target&);
    void OnCategory(CommandId, const Target&);
    // Home commands (HomeCommands.cpp).
    void OnSubscribe(CommandId, const Target&);
    void OnCreateNewBlog(CommandId, const Target&);
    void OnEditBlogs(CommandId, const Target&);
    void OnAccountInfo(CommandId, const Target&);
    void OnCameraPrefs(CommandId, const Target&);
    void OnFont(CommandId, const Target&);
    void OnAbout(CommandId, const Target&);
    // Blog commands (BlogCommands.cpp).
    void OnAddPhoto(CommandId, const Target&);
    void OnCamera(CommandId, const Target&);
    void OnSendEMail(CommandId, const Target&);
    void OnPostRemoteEntry(CommandId, const Target&);
    void OnEditCategories(CommandId, const Target&);
    void OnCategorizeEntries(CommandId, const Target&);
    void OnDeleteEntries(CommandId, const Target&);
    void OnPurgePhotos(CommandId, const Target&);
    void OnMovePhotos(CommandId, const Target&);
    void OnBlogPrefs(CommandId, const Target&);
    // Entry commands (EntryCommands.cpp).
    DialogResult RunEditEntryDialog(CWinBlogStorage& blog, BlogEntry& entry, bool notOnWeb);
    void OnEditEntry(CommandId, const Target&);
    void OnDeleteEntry(CommandId, const Target&);
    void OnViewComments(CommandId, const Target&);
    void OnCaption(CommandId, const Target&);
    void OnDownloadPhoto(CommandId, const Target&);
    void OnPurgePhoto(CommandId, const Target&);
    // Network commands (NetworkCommands.cpp).
    void OnSyncAll(CommandId, const Target&);
    void OnSyncBlog(CommandId, const Target&);
    void OnCheckForUpdates(CommandId, const Target&);
    void RunSyncAll();
    void DownloadPhotoNow(CWinBlogStorage& store, BlogEntry& entry, std::uint16_t sizeCode);

    CWinBlogUser& m_user;
    DialogHost& m_dialogs;
    MainViewSurface& m_surface;
    NetworkOperations* m_network { nullptr };
    AccountOperations* m_accounts { nullptr };

    CWinBlogStorage* m_currentBlog { nullptr };
    bool m_entryShown { false };
    long m_entryIndex { -1 };
    // The home list's selection and scroll position, kept while a blog is
    // open.
    long m_homeSelection { -1 };
    int m_homeScroll { 0 };
};
