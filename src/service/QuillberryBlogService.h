#pragma once

#include "model/AccountData.h"
#include "model/CWinBlogStorage.h"
#include "platform/ErrorOr.h"
#include "service/RemoteBlogService.h"
#include "service/RequestBuilders.h"
#include "service/RequestWriter.h"
#include "service/ServerErrorText.h"
#include "service/ServiceAccount.h"
#include "service/ServiceReply.h"
#include "service/StoreActionReplies.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

class CWinBlogChannels;

// The web service of the "Service Host" preference, spoken to with SOAP
// requests posted to "/ws/" through the program's HTTP client. The caller
// sets the store, the account, the photo sizes and the timestamp before
// each operation.
//
// Each request has a sender, which builds the request's body (a memory
// stream; a temporary file for entries and comments), sends it, and judges
// the response: the HTTP client's code, the HTTP status, then the server's
// error text. A failure the server did not explain is reported to the
// progress callback (step 16). A server error is shown to the user through
// the store and answered with 10201, except that a refused permission to
// change a category, an entry or a comment answers the edit code (8012,
// 8011, 8019) and resets both timestamps, so that the next changes request
// asks for the whole blog; a permission the store already knows is missing
// is refused the same way without sending anything. A refusal that no
// retry could change (the record is gone from the web, or its new name is
// another's) comes back as the server's code, so that the sync can settle
// the record instead of failing on it at every sync: shown and with both
// timestamps reset for a change, unshown for a deletion, which has then
// nothing left to do. On success the reply holds the response, whose body
// the caller reads with the matching Apply or Read operation.
class QuillberryBlogService final : public RemoteBlogService {
public:
    // Changes asked for by a time older than this ask for everything.
    static constexpr ProgramTime kMaxTimestampAge = 14688000; // 170 days

    explicit QuillberryBlogService(Http& http);

    // The store of the blog worked on; not owned.
    void SetStore(CWinBlogStorage* store) { m_store = store; }
    // From here on the saves of the store and its downloaded photos are
    // not flushed to disk one by one (CWinBlogStorage::DeferFlushes): an
    // exchange saves after every request the service accepted, which a
    // killed program must find, and a thousand entries made a thousand
    // flushes of a file of megabytes. FlushStore() ends it and puts them
    // on the disk once.
    void DeferStoreFlush();
    // A failed flush has shown message 6002 and answers 10201.
    [[nodiscard]] ErrorCode FlushStore();
    CWinBlogStorage* GetStore() const { return m_store; }
    const ServiceAccount& GetAccount() const { return m_account; }
    std::uint16_t GetUploadSizeCode() const { return m_uploadSizeCode; }
    std::uint16_t GetDownloadSizeCode() const { return m_downloadSizeCode; }
    // The time the next changes request sends.
    ProgramTime GetSentTimestamp() const { return m_sentTimestamp; }
    // The service host as the preference holds it now.
    std::string ServiceHost() const;
    // The text of the last response's message element.
    const std::string& GetServerErrorText() const { return m_writer.ServerErrorText(); }

    // RemoteBlogService.
    //
    // A body holding a message element ("<MS") gives the code of its text:
    // 8000 plus its place in the server's list of errors (case ignored), or
    // 65535 for a text not in the list. "Your Picture limit is over" on a
    // group blog that someone else owns gives 8024.
    bool CheckServerError(Stream& body, ErrorCode& code) override;
    const std::string& GetBlogURL() override;
    const std::string& GetBlogAllCategoriesURL() override;
    const std::string& GetEntryPreviewURL(std::uint32_t entryId) override;
    void SetAccount(std::string_view email, std::string_view password, std::uint32_t userId, std::string_view blogUrlName,
        std::string_view viewerPassword) override;
    void SetPhotoSizes(std::uint16_t uploadSizeCode, std::uint16_t downloadSizeCode) override;
    void SetTimestamp(ProgramTime timestamp) override;
    ProgramTime GetTimestamp() const override { return m_receivedTimestamp; }
    // "GU" and, when the user record finds its list needs repair, "EU";
    // the user record is saved once the account came (a failed save has
    // shown message 6002 and answers 10201).
    ErrorCode GetUserInfo(CWinBlogUser& user, ProgressCallback callback, void* context) override;
    // The blog's exchange in its order: the daily message check; the
    // deletions ("DC", "DP", "DCO"); unless the blog downloads nothing, the
    // changes ("GC") with the trim to the entry limit and the photo
    // downloads; the blog's settings ("EB"); the categories ("AC", "EC");
    // the pending entries ("AP", "EP"; one whose photo is missing is passed
    // over and told of once at the end); then, when nothing failed, the
    // comments ("AO", "EO"). The store is saved after every request the
    // service accepted, with the download stamp of what it holds, so that
    // a cancel or a killed program never sends accepted work again.
    ErrorCode SyncChanges(ProgressCallback callback, void* context) override;
    // Step 3. A refused permission (8011) or an entry gone from the web
    // (8009) leaves the change on the device, no longer pending, with the
    // blog's download stamp reset so that the next changes request brings
    // the web's version; an entry whose category is gone from the web goes
    // to Unfiled and is sent again. Saves the store after each.
    ErrorCode StoreEntry(BlogEntry& entry, ProgressCallback callback, void* context, bool groupBlog) override;
    // Step 11; as StoreEntry (8019, 8018). A comment on an entry gone from
    // the web can never be posted: it is dropped.
    ErrorCode StoreComment(BlogComment& comment, ProgressCallback callback, void* context) override;
    // The same within a series: the `done`-th of `total` records sent.
    ErrorCode StoreEntry(BlogEntry& entry, ProgressCallback callback, void* context, bool groupBlog, std::uint16_t done, std::uint16_t total);
    ErrorCode StoreComment(BlogComment& comment, ProgressCallback callback, void* context, std::uint16_t done, std::uint16_t total);
    // Step 14; nothing is sent for an account the service has not yet
    // given an id (8001, shown as a server error).
    ErrorCode SendPhotoEmail(std::uint32_t categoryId, std::uint32_t entryId, std::string_view recipients, std::string_view message,
        ProgressCallback callback, void* context) override;
    // Step 15; as SendPhotoEmail.
    ErrorCode PostToRemoteBlog(std::uint32_t categoryId, std::uint32_t entryId, std::string_view remoteBlog, std::string_view title,
        std::string_view caption, ProgressCallback callback, void* context) override;
    // Step 5: opens the HTTP client (message 8500 when it cannot), fetches
    // the picture (see FetchEntryPhoto), saves the store and closes the
    // client.
    ErrorCode DownloadEntryPhoto(BlogEntry& entry, std::uint16_t sizeCode, ProgressCallback callback, void* context) override;
    // The message file "/Downloads/messages/ppc/Vellumbrix.txt" (step 8
    // when forced): at most once a day unless forced, see MessageCheck.h
    // for the bookkeeping and MessageFile.h for what is read. A file that
    // cannot be fetched is looked for again at the next start.
    bool CheckVersion(bool forced, bool& newVersion, ProgressCallback callback, void* context) override;
    // With the client's User-Agent line; a failure is reported to the
    // progress callback of the operation running (step 16).
    ErrorCode HttpGet(const WebAddress& where, std::unique_ptr<HttpResponse>& response) override;

    // The changes request of the sync with what follows it: a viewer
    // password asked for (and the request repeated) when the blog is
    // protected, 10201 without a message when the user declines; the
    // server's invalid-timestamp error (8004) resets the download stamp;
    // then the trim to the entry limit (the downloaded photos of the
    // entries trimmed go too), the store saved with the new stamp, and the
    // photo downloads.
    ErrorCode GetChanges(ProgressCallback callback, void* context);
    // Every entry with an id whose picture is smaller than wanted (the
    // blog's download size code, or the size a photo state of 8 to 13 asks
    // for) is fetched, one report of step 5 each with its place in the
    // series. A picture that is not a JPEG, and one the service answers
    // with a client error (4xx: the picture is not there), is passed over;
    // any other failure ends the downloads with its code. The store is
    // saved every few pictures and at the end.
    ErrorCode DownloadPhotos(ProgressCallback callback, void* context);
    // Fetches one entry's picture at a size code and keeps it: a thumbnail
    // (code 1) only as the entry's thumbnail; a photo as a file of the
    // blog's photo folder, named after the last part of the full-size
    // address (made safe, and numbered when another entry's photo has that
    // name), written completely or not at all, then attached with the code
    // as photo state. The photo it replaces goes when it was a download; a
    // photo of the user's own stays. The pending mark stays as it was. An
    // address that is missing or not "http://" counts as done; a picture
    // that is not a JPEG is 10200 and changes nothing. The store is not
    // saved.
    ErrorCode FetchEntryPhoto(BlogEntry& entry, std::uint16_t sizeCode);

    // Step 10; a GET of the channels file from the service host.
    ErrorCode GetChannels(std::string& text, std::uint32_t size, ProgressCallback callback, void* context) override;

    // The account and blog creation, with steps 6 and 13. The server's
    // refusal for a taken e-mail address answers -10301 and for a taken
    // blog URL name -10302 with up to four suggestions in `alternates`
    // (each cut to `alternateSize` - 1 bytes, the missing ones empty),
    // both without a message; any other refusal is shown as the server
    // wrote it and answers -10300. The blog is made by the account given.
    [[nodiscard]] ErrorCode CreateAccount(std::string_view email, std::string_view password, std::string_view firstName,
        std::string_view lastName, ProgressCallback callback, void* context);
    [[nodiscard]] ErrorCode CreateBlog(std::string_view email, std::string_view password, std::string_view blogUrlName,
        std::string_view title, std::string_view subtitle, bool visible, BlogUrlAlternates& alternates, std::uint32_t alternateSize,
        ProgressCallback callback, void* context);
    // GetChannels into the list of recommended blogs, built afresh: empty
    // when the file names none or the request failed (its code).
    [[nodiscard]] ErrorCode GetChannelList(CWinBlogChannels& channels, ProgressCallback callback, void* context);

    // The senders, one per action.
    //
    // "GU" and "EU" (the account's subscription list, as URL names).
    ServiceReply RequestUserInfo(ProgressCallback callback, void* context);
    ServiceReply SendSubscriptions(std::span<const std::string> urlNames, ProgressCallback callback, void* context);
    // "EB": the store's blog descriptor.
    ServiceReply SendBlogSettings(ProgressCallback callback, void* context);
    // "GC" with the sent timestamp, the viewer password and the store's
    // entry limit. A server error is answered as it came, not shown: the
    // caller asks for a viewer password on 8022 and 8023 and reports the
    // others (ReportServerError).
    ServiceReply RequestChanges(ProgressCallback callback, void* context);
    // "AC" / "EC", "DC".
    ServiceReply SendCategory(const BlogAlbum& category, ProgressCallback callback, void* context);
    ServiceReply SendCategoryDeletion(const BlogAlbum& category, ProgressCallback callback, void* context);
    // "AP" / "EP" (11000, and nothing sent, when a new entry's photo is
    // missing), "DP".
    ServiceReply SendEntry(const BlogEntry& entry, ProgressCallback callback, void* context);
    ServiceReply SendEntryDeletion(const BlogEntry& entry, ProgressCallback callback, void* context);
    // "AO" / "EO", "DCO".
    ServiceReply SendComment(const BlogComment& comment, ProgressCallback callback, void* context);
    ServiceReply SendCommentDeletion(const BlogComment& comment, ProgressCallback callback, void* context);
    // "PhotoEMail" and "RemoteBlog".
    ServiceReply SendPhotoEmailRequest(std::uint32_t categoryId, std::uint32_t entryId, std::string_view recipients,
        std::string_view message, ProgressCallback callback, void* context);
    ServiceReply SendRemoteBlogPostRequest(std::uint32_t categoryId, std::uint32_t entryId, std::string_view remoteBlog,
        std::string_view title, std::string_view caption, ProgressCallback callback, void* context);
    // "CreateAccount" and "CreateBlog" are sent without the error check:
    // the caller reads the message element itself (ReadServerErrorText,
    // ReadBlogUrlAlternates).
    ServiceReply RequestAccountCreation(std::string_view email, std::string_view password, std::string_view firstName,
        std::string_view lastName, ProgressCallback callback, void* context);
    ServiceReply RequestBlogCreation(std::string_view email, std::string_view password, std::string_view blogUrlName,
        std::string_view title, std::string_view subtitle, bool visible, ProgressCallback callback, void* context);

    // What the replies change.
    //
    // A changes response merged into the store (full refresh when the sent
    // timestamp was 0); the server's timestamp, when it sent one, becomes
    // the received timestamp. The store is not saved (see
    // ProcessChangesResponse).
    [[nodiscard]] ErrorCode ProcessChanges(Stream& body, ProgressCallback callback, void* context);
    void ApplyCategoryReply(BlogAlbum& category, Stream& body);
    [[nodiscard]] ErrorCode ApplyEntryReply(BlogEntry& entry, Stream& body, bool groupBlog);
    [[nodiscard]] ErrorCode ApplyCommentReply(BlogComment& comment, Stream& body);
    void ApplyBlogSettingsReply(Stream& body);

    // Shows a server error through the store (without one, directly): the
    // message of the code, or the server's own text when the code has
    // none, with a full stop.
    void ReportServerError(ErrorCode code);
    // Saves the store worked on; a failed save has shown message 6002 and
    // answers 10201.
    [[nodiscard]] ErrorCode SaveStore();
    // The progress callback of the operation running, which the requests
    // it sends report to and poll.
    void SetProgress(ProgressCallback callback, void* context)
    {
        m_progressCallback = callback;
        m_progressContext = context;
    }

private:
    // How one action is sent and judged.
    struct ActionRules {
        bool largeBody { false };
        bool checkServerError { true };
        bool reportServerError { true };
        // Sent only for an account the service knows (8001 otherwise).
        bool needsUserId { false };
        // The code that a refused (or missing) permission answers, and the
        // server's code that means the same for this action.
        std::optional<ErrorCode> editCode;
        ErrorCode serverEditCode { 0 };
        // True when the store knows that the user may not do it.
        std::function<bool(const CWinBlogStorage&)> mayNotEdit;
        // Server codes no retry can change; quietly for a deletion.
        std::vector<ErrorCode> finalRefusals;
        bool quietFinalRefusals { false };
    };
    using Builder = std::function<ErrorCode(const RequestContext&, Stream&)>;

    ServiceReply Send(const ActionRules& rules, const Builder& build, ProgressCallback callback, void* context);
    ServiceReply SendAndCheck(HttpRequest& request, bool check);
    ServiceReply JudgeServerError(const ActionRules& rules, ErrorCode code);
    // A plain GET of a file of the service host: no SOAP, no error check.
    ServiceReply GetServiceFile(std::string_view path, ProgressCallback callback, void* context);
    // A GET of an address (over HTTPS for an "https://" one) with the
    // client's User-Agent line; false when memory ran out.
    [[nodiscard]] bool PrepareGet(HttpRequest& request, const WebAddress& where, ProgressCallback callback, void* context);
    // Judges the message element of a creation's reply: 0 without one,
    // `takenCode` for the server's text of that code (the body then stands
    // after it), -10300 for any other text, which is shown.
    ErrorCode JudgeCreationReply(Stream& body, ErrorCode takenCode);
    const std::string& FormatUrl(std::string text);
    // A server error answering the changes request: shown; 10201.
    ErrorCode RefuseChanges(ErrorCode code);
    // The picture of an entry, fetched, kept as a photo file or as the
    // thumbnail.
    ErrorCode KeepPhoto(BlogEntry& entry, Stream& picture, std::uint16_t sizeCode);
    ErrorCode KeepThumbnail(BlogEntry& entry, Stream& picture);
    // A name for the entry's photo in the folder that no other entry's
    // photo has.
    std::string FreePhotoFileName(const BlogEntry& entry, const std::string& folder) const;

    Http& m_http;
    CWinBlogStorage* m_store { nullptr };
    RequestWriter m_writer;
    ServiceAccount m_account;
    ProgramTime m_sentTimestamp { 0 };
    ProgramTime m_receivedTimestamp { 0 };
    std::uint16_t m_downloadSizeCode { 0 };
    std::uint16_t m_uploadSizeCode { 0 };
    ProgressCallback m_progressCallback { nullptr };
    void* m_progressContext { nullptr };
    std::string m_url;
};
