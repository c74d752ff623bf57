#pragma once

#include "model/BlogAlbum.h"
#include "model/BlogComment.h"
#include "model/BlogEntry.h"
#include "model/CBlogInfo.h"
#include "platform/Clock.h"
#include "platform/ErrorCode.h"
#include "service/RequestWriter.h"
#include "service/ServiceAccount.h"

#include <span>
#include <string>
#include <string_view>

// The request builders: one per action, each writing the whole envelope of
// its action into a body stream, with the action's fields in their order.
// Text goes out escaped unless a field says otherwise. They answer 0, or 8
// when the body cannot be written; the entry builder also 11000 when the
// photo of a new entry is missing.

// What every builder needs besides its own fields.
struct RequestContext {
    RequestWriter& writer;
    // The service host as the preference holds it ("host" or "host:port").
    std::string_view host;
    const ServiceAccount& account;
};

// Which action stores a record: the "edit" action once the service knows
// the record, else the "add" action.
std::string_view StoreCategoryAction(const BlogAlbum& category);
std::string_view StoreEntryAction(const BlogEntry& entry);
std::string_view StoreCommentAction(const BlogComment& comment);

// "GU": the account, its subscriptions and remote blogs.
[[nodiscard]] ErrorCode BuildGetUserInfo(const RequestContext& context, Stream& body);
// "EU": the account's whole subscription list, URL names not escaped.
[[nodiscard]] ErrorCode BuildEditSubscriptions(const RequestContext& context, Stream& body, std::span<const std::string> urlNames);
// "EB": the blog's title, subtitle and visibility.
[[nodiscard]] ErrorCode BuildEditBlog(const RequestContext& context, Stream& body, const CBlogInfo& blog);
// "GC": the changes since the sent timestamp (everything when it is 0, and
// then at most `entryLimit` entries unless that is 32768).
[[nodiscard]] ErrorCode BuildGetChanges(const RequestContext& context, Stream& body, ProgramTime sentTimestamp, std::uint32_t entryLimit);

// "AC" / "EC".
[[nodiscard]] ErrorCode BuildStoreCategory(const RequestContext& context, Stream& body, const BlogAlbum& category);
// "DC".
[[nodiscard]] ErrorCode BuildDeleteCategory(const RequestContext& context, Stream& body, const BlogAlbum& category);
// "AP" / "EP"; a new entry goes with its photo at the upload size code
// (11000, and nothing written, when it has none).
[[nodiscard]] ErrorCode BuildStoreEntry(const RequestContext& context, Stream& body, const BlogEntry& entry, std::uint16_t uploadSizeCode);
// "DP".
[[nodiscard]] ErrorCode BuildDeleteEntry(const RequestContext& context, Stream& body, const BlogEntry& entry);
// "AO" / "EO".
[[nodiscard]] ErrorCode BuildStoreComment(const RequestContext& context, Stream& body, const BlogComment& comment);
// "DCO".
[[nodiscard]] ErrorCode BuildDeleteComment(const RequestContext& context, Stream& body, const BlogComment& comment);

// "PhotoEMail": an entry (or, with entry id 0, a category) mailed to the
// recipients, a list separated by commas or blanks; recipients are not
// escaped.
[[nodiscard]] ErrorCode BuildPhotoEmail(const RequestContext& context, Stream& body, std::uint32_t categoryId, std::uint32_t entryId,
    std::string_view recipients, std::string_view message);
// "RemoteBlog": an entry (or a category) posted to one of the user's other
// weblogs.
[[nodiscard]] ErrorCode BuildRemoteBlogPost(const RequestContext& context, Stream& body, std::uint32_t categoryId, std::uint32_t entryId,
    std::string_view remoteBlog, std::string_view title, std::string_view caption);

// "CreateAccount": the only request without an authentication element.
[[nodiscard]] ErrorCode BuildCreateAccount(const RequestContext& context, Stream& body, std::string_view email, std::string_view password,
    std::string_view firstName, std::string_view lastName);
// "CreateBlog", authenticated with the e-mail and password given.
[[nodiscard]] ErrorCode BuildCreateBlog(const RequestContext& context, Stream& body, std::string_view email, std::string_view password,
    std::string_view blogUrlName, std::string_view title, std::string_view subtitle, bool visible);

// The recipients of a photo e-mail as they are sent: items of at most 63
// bytes, split at commas and blanks, a comma left at an item's end removed,
// empty items skipped.
std::vector<std::string> SplitRecipients(std::string_view recipients);
