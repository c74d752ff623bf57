#include "service/RequestBuilders.h"
#include "service/ServiceActions.h"

std::string_view StoreCommentAction(const BlogComment& comment)
{
    return comment.GetCommentId() != 0 ? ServiceAction::EditComment : ServiceAction::AddComment;
}

ErrorCode BuildStoreComment(const RequestContext& context, Stream& body, const BlogComment& comment)
{
    const ServiceAccount& account = context.account;
    RequestBody request(context.writer, body, context.host, StoreCommentAction(comment));
    request.Authentication(account.email, account.password, account.blogUrlName).Text("<OM>");
    if (comment.GetCommentId() != 0)
        request.Text("<OI>").Number(comment.GetCommentId()).Text("</OI>");
    return request.Text("<ID>")
        .Number(comment.GetEntryId())
        .Text("</ID><OD>")
        .Time(comment.GetDate(), true)
        .Text("</OD><OT>")
        .Escaped(comment.GetText())
        .Text("</OT></OM>")
        .Finish();
}

ErrorCode BuildDeleteComment(const RequestContext& context, Stream& body, const BlogComment& comment)
{
    const ServiceAccount& account = context.account;
    return RequestBody(context.writer, body, context.host, ServiceAction::DeleteComment)
        .Authentication(account.email, account.password, account.blogUrlName)
        .Text("<OM><OI>")
        .Number(comment.GetCommentId())
        .Text("</OI></OM>")
        .Finish();
}
