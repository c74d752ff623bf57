// "AO", "EO" and "DCO": comments on entries.

#include "server/actions/Actions.h"
#include "server/actions/RecordWriting.h"

#include "server/soap/ServiceErrorText.h"
#include "server/storage/Comments.h"
#include "server/storage/Entries.h"

namespace {

ActionOutcome AnswerComment(ActionContext& context, std::uint32_t id, const std::string& authorName)
{
    ResponseWriter writer(context.request.action, context.host);
    writer.Number("OI", id).Text("BY", WireAuthorName(authorName));
    return Answer(writer);
}

// Authors change their own comments; the blog's owner any comment.
bool MayChangeComment(const ActionContext& context, const CommentRecord& comment)
{
    return context.access.owner || comment.authorId == context.UserId();
}

ErrorOr<ActionOutcome> AddComment(ActionContext& context, const StoreCommentRequest& request)
{
    if (!context.access.mayComment)
        return Refuse(context, ServiceErrorText::NoPostComment);
    auto entry = FindEntry(context.db, context.Blog().id, request.entryId);
    if (entry.IsError())
        return entry.GetError();
    if (!*entry || (*entry)->deleted)
        return Refuse(context, ServiceErrorText::EntryMissing);
    auto stamp = Stamp(context);
    if (stamp.IsError())
        return stamp.GetError();
    CommentRecord comment;
    comment.blogId = context.Blog().id;
    comment.entryId = request.entryId;
    comment.authorId = context.user->id;
    comment.text = request.text;
    // The device's own time: it finds its comment again by entry, text
    // and time should this answer be lost.
    comment.written = request.written;
    auto created = CreateComment(context.db, comment, *stamp);
    if (created.IsError())
        return created.GetError();
    return AnswerComment(context, created->id, context.user->DisplayName());
}

ErrorOr<ActionOutcome> EditComment(ActionContext& context, const StoreCommentRequest& request)
{
    auto found = FindComment(context.db, context.Blog().id, *request.id);
    if (found.IsError())
        return found.GetError();
    if (!*found || (*found)->deleted)
        return Refuse(context, ServiceErrorText::CommentMissing);
    CommentRecord comment = std::move(**found);
    if (!MayChangeComment(context, comment))
        return Refuse(context, ServiceErrorText::NoEditComment);
    comment.text = request.text;
    comment.written = request.written;
    auto stamp = Stamp(context);
    if (stamp.IsError())
        return stamp.GetError();
    if (ErrorCode code = UpdateComment(context.db, comment, *stamp); code != Error::Success)
        return code;
    return AnswerComment(context, comment.id, comment.authorName);
}

}

ErrorOr<ActionOutcome> StoreComment(ActionContext& context, const StoreCommentRequest& request)
{
    if (request.id)
        return EditComment(context, request);
    return AddComment(context, request);
}

// A comment that is gone already (or never was) counts as deleted.
ErrorOr<ActionOutcome> DeleteComment(ActionContext& context, const DeleteCommentRequest& request)
{
    auto found = FindComment(context.db, context.Blog().id, request.id);
    if (found.IsError())
        return found.GetError();
    if (!*found || (*found)->deleted) {
        context.note = "already gone";
        return Done(context);
    }
    if (!MayChangeComment(context, **found))
        return Refuse(context, ServiceErrorText::NoDeleteComment);
    auto stamp = Stamp(context);
    if (stamp.IsError())
        return stamp.GetError();
    if (ErrorCode code = ::DeleteComment(context.db, request.id, *stamp); code != Error::Success)
        return code;
    return Done(context);
}
