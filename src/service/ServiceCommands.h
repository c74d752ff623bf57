#pragma once

#include "platform/ErrorCode.h"
#include "service/QuillberryBlogService.h"

#include <cstdint>

class BlogComment;
class BlogEntry;
class CWinBlogChannels;
class CWinBlogStorage;
class CWinBlogUser;
class Http;
class ProgressWindow;

// The program's network commands, as the main view, the dialogs and the
// command line run them: each inside its progress window, once the
// network connection is up (the caller brings it up and releases it, see
// NetworkConnection). A command opens the HTTP client for its requests
// (message 8500 when it cannot, and nothing else happens) and closes it
// when done; its progress goes to the window, whose Cancel ends the
// request running.
//
// A failure is shown once, by the layer that finds it: a server error by
// the service as it comes, a store that cannot be saved by the store
// (message 6002), a cancel here ("Sync Cancelled.") and any other failure
// here too, with its message from the error table, so that a sync cut
// short by the network never ends looking like a sync that worked. The
// code that comes back is 10201 for every failure already shown, which the
// caller shows no more.
class ServiceCommands {
public:
    explicit ServiceCommands(Http& http);

    QuillberryBlogService& Service() { return m_service; }

    // The account refresh (the login and welcome dialogs, the command
    // line's login): the account and its subscriptions, the user record
    // brought in line and saved.
    [[nodiscard]] ErrorCode GetUserInfo(CWinBlogUser& user, ProgressWindow& progress);
    // The home screen's Sync: the account refresh, then every blog of the
    // user's list in list order, each saved after its sync. Blogs the
    // refresh has just subscribed to are synced only when the user agrees
    // (one question for all of them). A blog whose sync fails ends the
    // command.
    [[nodiscard]] ErrorCode SyncAll(CWinBlogUser& user, ProgressWindow& progress);
    // One blog's sync (its view's Sync, a new subscription's first sync)
    // or, with an entry of a category the service knows, that entry alone
    // when it is pending (the entry editor's Sync; a failure then leaves
    // it pending and answers 0 once shown). An entry of a category made on
    // the device syncs the whole blog, so that the category goes first.
    // The blog's download stamp is taken from the service; the store has
    // been saved after each accepted request (the caller may save it once
    // more).
    [[nodiscard]] ErrorCode SyncBlog(CWinBlogStorage& store, CWinBlogUser& user, BlogEntry* entry, ProgressWindow& progress);
    // Check For Updates (forced) or the daily check: see
    // QuillberryBlogService::CheckVersion. A forced check answers whether
    // the message file could be read; `newVersion` whether the new-version
    // notice was shown.
    bool CheckVersion(bool forced, bool& newVersion, ProgressWindow& progress);
    // Download Photo's "Now": the entry's picture at a size code (2 to 7),
    // kept by the store and saved.
    [[nodiscard]] ErrorCode DownloadEntryPhoto(CWinBlogStorage& store, BlogEntry& entry, std::uint16_t sizeCode, ProgressWindow& progress);
    // The comments dialog's Add: one comment sent at once. One that does
    // not go stays pending for the next sync.
    [[nodiscard]] ErrorCode StoreComment(CWinBlogStorage& store, CWinBlogUser& user, BlogComment& comment, ProgressWindow& progress);

    // The create-account dialog's two requests. A taken e-mail address
    // (-10301) and a taken blog URL name (-10302, with the service's
    // suggestions in `alternates`) come back unshown for the caller to act
    // on; every other failure has been shown (10201).
    [[nodiscard]] ErrorCode CreateAccount(std::string_view email, std::string_view password, std::string_view firstName,
        std::string_view lastName, ProgressWindow& progress);
    [[nodiscard]] ErrorCode CreateBlog(const CWinBlogUser& user, std::string_view blogUrlName, std::string_view title,
        std::string_view subtitle, bool visible, BlogUrlAlternates& alternates, ProgressWindow& progress);
    // The browse dialog's list of recommended blogs, built afresh.
    [[nodiscard]] ErrorCode GetChannels(CWinBlogChannels& channels, ProgressWindow& progress);
    // The photo e-mail and remote post dialogs' Send: an entry (its
    // category and server id) or a blog as filtered (entry id 0), sent by
    // the account of the device.
    [[nodiscard]] ErrorCode SendPhotoEmail(CWinBlogStorage& store, const CWinBlogUser& user, std::uint32_t categoryId,
        std::uint32_t entryId, std::string_view recipients, std::string_view message, ProgressWindow& progress);
    [[nodiscard]] ErrorCode PostToRemoteBlog(CWinBlogStorage& store, const CWinBlogUser& user, std::uint32_t categoryId,
        std::uint32_t entryId, std::string_view remoteBlog, std::string_view title, std::string_view caption, ProgressWindow& progress);

    // The last failure a request of the last command reported to the
    // progress window (a transport failure or an HTTP status), for a caller
    // that must say why a check found nothing; 0 when none did.
    ErrorCode LastRequestFailure() const { return m_lastRequestFailure; }
    // Whether the last command ended because the user cancelled it (its
    // code, shown as "Sync Cancelled.", is 10201 by then).
    bool LastCommandCancelled() const { return m_cancelled; }

private:
    class Progress;
    class OpenClient;

    // One blog's sync without opening the client; the failure shown.
    ErrorCode SyncOpenBlog(CWinBlogStorage& store, CWinBlogUser& user, BlogEntry* entry, ProgressWindow& progress);
    // Works on the blog: the store, the account with the blog's name and
    // view password, its photo sizes.
    void SetBlog(CWinBlogStorage& store, const CWinBlogUser& user);
    // Shows what is left to show of a failure: the cancel, or a failure
    // nobody has shown yet. Answers 0 or 10201.
    ErrorCode Conclude(ErrorCode code);
    // Runs one request of the account's with the client open and the
    // progress window's callback; the failure shown (see Conclude).
    template<typename Request>
    ErrorCode RunRequest(ProgressWindow& progress, const Request& request);

    Http& m_http;
    QuillberryBlogService m_service;
    // What the last command met.
    void Begin();

    ErrorCode m_lastRequestFailure { Error::Success };
    bool m_cancelled { false };
};
