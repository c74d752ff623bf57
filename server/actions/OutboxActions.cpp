// "PhotoEMail" and "RemoteBlog". The reference service delivers nothing:
// each request is checked and kept in the outbox table, where an operator
// (or a mail gateway added later) finds it.

#include "server/actions/Actions.h"

#include "server/actions/Names.h"
#include "server/soap/ServiceErrorText.h"
#include "server/storage/Entries.h"
#include "server/storage/Outbox.h"
#include "server/storage/Users.h"

#include <algorithm>

namespace {

// The entry a request names (0: none, the category alone) must be live.
ErrorOr<bool> IsLiveEntryOrNone(ActionContext& context, std::uint32_t entryId)
{
    if (entryId == 0)
        return true;
    auto entry = FindEntry(context.db, context.Blog().id, entryId);
    if (entry.IsError())
        return ErrorOr<bool>::FromError(entry.GetError());
    return *entry && !(*entry)->deleted;
}

OutboxItem NewItem(const ActionContext& context, const char* kind, std::uint32_t categoryId, std::uint32_t entryId)
{
    OutboxItem item;
    item.kind = kind;
    item.userId = context.user->id;
    item.blogId = context.Blog().id;
    item.categoryId = categoryId;
    item.entryId = entryId;
    item.created = context.now;
    return item;
}

}

ErrorOr<ActionOutcome> SendPhotoEmail(ActionContext& context, const PhotoEmailRequest& request)
{
    if (!context.access.mayRead)
        return Refuse(context, ServiceErrorText::BlogPasswordProtected);
    std::vector<std::string> recipients;
    for (const std::string& recipient : request.recipients) {
        if (recipient.empty())
            continue;
        if (!IsAcceptableEmail(recipient))
            return Refuse(context, ServiceErrorText::InvalidRecipient);
        recipients.push_back(recipient);
    }
    if (recipients.empty())
        return Refuse(context, ServiceErrorText::InvalidRecipient);
    auto live = IsLiveEntryOrNone(context, request.entryId);
    if (live.IsError())
        return live.GetError();
    if (!*live)
        return Refuse(context, ServiceErrorText::PictureMissing);
    OutboxItem item = NewItem(context, "email", request.categoryId, request.entryId);
    for (const std::string& recipient : recipients)
        item.recipients += (item.recipients.empty() ? "" : "\n") + recipient;
    item.message = request.message;
    if (ErrorCode code = AddOutboxItem(context.db, item); code != Error::Success)
        return code;
    context.note = std::to_string(recipients.size()) + " recipients, kept in the outbox";
    return Done(context);
}

ErrorOr<ActionOutcome> PostToRemoteBlog(ActionContext& context, const RemoteBlogRequest& request)
{
    if (!context.access.mayRead)
        return Refuse(context, ServiceErrorText::BlogPasswordProtected);
    auto remoteBlogs = ListRemoteBlogs(context.db, context.user->id);
    if (remoteBlogs.IsError())
        return remoteBlogs.GetError();
    if (std::find(remoteBlogs->begin(), remoteBlogs->end(), request.remoteBlog) == remoteBlogs->end())
        return Refuse(context, ServiceErrorText::RemoteBlogUnreachable);
    auto live = IsLiveEntryOrNone(context, request.entryId);
    if (live.IsError())
        return live.GetError();
    if (!*live)
        return Refuse(context, ServiceErrorText::PictureMissing);
    OutboxItem item = NewItem(context, "remote-blog", request.categoryId, request.entryId);
    item.remoteBlog = request.remoteBlog;
    item.title = request.title;
    item.caption = request.caption;
    if (ErrorCode code = AddOutboxItem(context.db, item); code != Error::Success)
        return code;
    context.note = "kept in the outbox";
    return Done(context);
}
