// "GC": the changes of one blog since the stamp a device got at its last
// sync, or a full listing (no stamp) limited to the newest entries.

#include "server/actions/Actions.h"
#include "server/actions/RecordWriting.h"

#include "server/auth/Authentication.h"
#include "server/soap/ServiceErrorText.h"
#include "server/soap/WireTime.h"
#include "server/storage/Blogs.h"
#include "server/storage/Categories.h"
#include "server/storage/Comments.h"
#include "server/storage/Entries.h"
#include "server/storage/ServiceMeta.h"

namespace {

// A full listing's entry limit: none, or MX (0 also means none).
std::int64_t EntryLimit(const GetChangesRequest& request)
{
    if (!request.maxEntries || *request.maxEntries == 0)
        return 0x7fffffff;
    return *request.maxEntries;
}

// A protected blog opens to strangers with its view password only.
ErrorOr<const char*> CheckViewPassword(ActionContext& context, const GetChangesRequest& request)
{
    const BlogRecord& blog = context.Blog();
    if (!context.access.NeedsViewPassword(blog))
        return nullptr;
    if (!request.viewer)
        return ServiceErrorText::BlogPasswordProtected;
    auto fault = CheckViewerDigest(context.db, *request.viewer, blog.viewPassword, context.now, NonceUse::Record);
    if (fault.IsError())
        return fault.GetError();
    if (*fault != DigestFault::None) {
        context.note = std::string("view password: ") + DigestFaultName(*fault);
        return ServiceErrorText::InvalidViewerPassword;
    }
    return nullptr;
}

}

ErrorOr<ActionOutcome> GetChanges(ActionContext& context, const GetChangesRequest& request)
{
    const BlogRecord& blog = context.Blog();
    auto refusal = CheckViewPassword(context, request);
    if (refusal.IsError())
        return refusal.GetError();
    if (*refusal)
        return Refuse(context, *refusal);

    auto stamp = context.db.FeedStamp();
    if (stamp.IsError())
        return stamp.GetError();
    if (request.since) {
        // Older than the deletions kept, or from a clock that was never
        // this service's: the device must start afresh.
        auto keptSince = DeletionsKeptSince(context.db);
        if (keptSince.IsError())
            return keptSince.GetError();
        if (*request.since < *keptSince || *request.since > *stamp + 86400)
            return Refuse(context, ServiceErrorText::InvalidTimestamp);
    }

    // Reading another user's blog with an account subscribes to it, so
    // that the account's list of blogs ("GU") holds it from now on.
    if (context.user && !context.access.owner && !context.access.member) {
        if (ErrorCode code = Subscribe(context.db, context.user->id, blog.id, context.now); code != Error::Success)
            return code;
        auto access = AccessOf(context.db, blog, context.user);
        if (access.IsError())
            return access.GetError();
        context.access = *access;
    }

    auto categories = ListCategories(context.db, blog.id, request.since);
    if (categories.IsError())
        return categories.GetError();
    auto entries = request.since ? ListEntriesChangedSince(context.db, blog.id, *request.since)
                                 : ListRecentEntries(context.db, blog.id, EntryPage { {}, EntryLimit(request), 0 });
    if (entries.IsError())
        return entries.GetError();
    auto comments = request.since ? ListCommentsChangedSince(context.db, blog.id, *request.since)
                                  : ListCommentsOfRecentEntries(context.db, blog.id, EntryLimit(request));
    if (comments.IsError())
        return comments.GetError();

    std::string site = context.Site();
    ResponseWriter writer(context.request.action, context.host);
    writer.Text("TS", FormatWireTime(*stamp));
    writer.Open("BS");
    WriteBlogSettings(writer, blog, context.access);
    writer.Close("BS").Open("CS");
    for (const CategoryRecord& category : *categories)
        WriteCategory(writer, category, site, blog);
    writer.Close("CS").Open("PS");
    for (const EntryRecord& entry : *entries)
        WriteEntry(writer, entry, site, blog);
    writer.Close("PS").Open("OS");
    for (const CommentRecord& comment : *comments)
        WriteComment(writer, comment);
    writer.Close("OS");
    context.note = std::to_string(entries->size()) + " entries, " + std::to_string(comments->size()) + " comments";
    return Answer(writer);
}
