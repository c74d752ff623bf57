#pragma once

#include "platform/ErrorCode.h"

#include <cstdint>

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
};
