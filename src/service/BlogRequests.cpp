#include "model/CBlogInfo.h"
#include "service/RequestBuilders.h"
#include "service/ServiceActions.h"

ErrorCode BuildEditBlog(const RequestContext& context, Stream& body, const CBlogInfo& blog)
{
    const ServiceAccount& account = context.account;
    return RequestBody(context.writer, body, context.host, ServiceAction::EditBlog)
        .Authentication(account.email, account.password, account.blogUrlName)
        .Text("<BL><BT>")
        .Escaped(blog.GetTitle())
        .Text("</BT><ST>")
        .Escaped(blog.GetSubtitle())
        .Text("</ST><VI>")
        .Text(blog.GetHidden() ? "hidden" : "normal")
        .Text("</VI></BL>")
        .Finish();
}

ErrorCode BuildGetChanges(const RequestContext& context, Stream& body, ProgramTime sentTimestamp, std::uint32_t entryLimit)
{
    const ServiceAccount& account = context.account;
    RequestBody request(context.writer, body, context.host, ServiceAction::GetChanges);
    request.Authentication(account.email, account.password, account.blogUrlName);
    if (sentTimestamp == 0)
        request.Text("<TS />");
    else
        request.Text("<TS>").Time(sentTimestamp, true).Text("</TS>");
    request.ViewerPassword(account.viewerPassword);
    // Only a full listing is limited: changes since a time are few.
    if (sentTimestamp != 0 || entryLimit == CBlogInfo::kUnlimitedEntries)
        request.Text("<MX />");
    else
        request.Text("<MX>").Number(entryLimit).Text("</MX>");
    return request.Finish();
}
