#pragma once

#include "platform/ErrorCode.h"

#include "workflows/SendSubject.h"

#include <cstdint>
#include <string_view>

class BlogComment;
class BlogEntry;
class CWinBlogStorage;
class CWinBlogUser;
class ProgressWindow;

// The service's operations that the main view's commands run, each inside
// a progress window after the command has brought up the network
// connection. Failures are shown by the layer that detects them; the codes
// come back for the command to act on, never to be shown again.
//
// The view runs without them (the network commands are then disabled)
// until the program hands it an implementation over the web service.
class NetworkOperations {
public:
    virtual ~NetworkOperations() = default;

    // The account refresh: fetches the account and its subscriptions and
    // brings the user record in line (subscribing and unsubscribing blogs).
    [[nodiscard]] virtual ErrorCode GetUserInfo(CWinBlogUser& user, ProgressWindow& progress) = 0;
    // The home screen's Sync: the account, then every blog of the user's
    // list, each saved after its sync.
    [[nodiscard]] virtual ErrorCode SyncAll(CWinBlogUser& user, ProgressWindow& progress) = 0;
    // One blog's whole exchange; with an entry, that entry alone where it
    // can be.
    [[nodiscard]] virtual ErrorCode SyncBlog(CWinBlogStorage& store, CWinBlogUser& user, BlogEntry* entry, ProgressWindow& progress) = 0;
    // Looks for a newer version (and, unless forced, for notes to the
    // user). A forced check answers whether the service could be asked;
    // `newVersion` tells whether the new-version notice was shown.
    virtual bool CheckVersion(bool forced, bool& newVersion, ProgressWindow& progress) = 0;
    // Fetches one entry's photo at a size code (2 to 7) into the store.
    [[nodiscard]] virtual ErrorCode DownloadEntryPhoto(CWinBlogStorage& store, BlogEntry& entry, std::uint16_t sizeCode, ProgressWindow& progress) = 0;

    // The dialogs' sends, each at once and on its own. A new comment of
    // the store: taken in by the service it gets its id and author and the
    // store is saved; otherwise it stays pending for the next sync.
    [[nodiscard]] virtual ErrorCode StoreComment(CWinBlogStorage& store, CWinBlogUser& user, BlogComment& comment, ProgressWindow& progress) = 0;
    // A photo e-mail and a remote post of an entry or a blog of the store
    // (texts in UTF-8); nothing of the store changes.
    [[nodiscard]] virtual ErrorCode SendPhotoEmail(CWinBlogStorage& store, CWinBlogUser& user, SendSubject subject, std::string_view recipients,
        std::string_view message, ProgressWindow& progress)
        = 0;
    [[nodiscard]] virtual ErrorCode PostToRemoteBlog(CWinBlogStorage& store, CWinBlogUser& user, SendSubject subject, std::string_view remoteBlog,
        std::string_view title, std::string_view text, ProgressWindow& progress)
        = 0;
};
