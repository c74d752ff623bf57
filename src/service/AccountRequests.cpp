#include "service/RequestBuilders.h"
#include "service/ServiceActions.h"

// The account's requests name no blog.

ErrorCode BuildGetUserInfo(const RequestContext& context, Stream& body)
{
    const ServiceAccount& account = context.account;
    return RequestBody(context.writer, body, context.host, ServiceAction::GetUserInfo)
        .Authentication(account.email, account.password, {})
        .Finish();
}

ErrorCode BuildEditSubscriptions(const RequestContext& context, Stream& body, std::span<const std::string> urlNames)
{
    const ServiceAccount& account = context.account;
    RequestBody request(context.writer, body, context.host, ServiceAction::EditSubscriptions);
    request.Authentication(account.email, account.password, {}).Text("<EU><SL>");
    for (const std::string& urlName : urlNames)
        request.Text("<SU>").Text(urlName).Text("</SU>");
    return request.Text("</SL></EU>").Finish();
}

ErrorCode BuildCreateAccount(const RequestContext& context, Stream& body, std::string_view email, std::string_view password,
    std::string_view firstName, std::string_view lastName)
{
    return RequestBody(context.writer, body, context.host, ServiceAction::CreateAccount)
        .Text("<EMail>")
        .Escaped(email)
        .Text("</EMail><Password>")
        .Escaped(password)
        .Text("</Password><FirstName>")
        .Escaped(firstName)
        .Text("</FirstName><LastName>")
        .Escaped(lastName)
        .Text("</LastName>")
        .Finish();
}

ErrorCode BuildCreateBlog(const RequestContext& context, Stream& body, std::string_view email, std::string_view password,
    std::string_view blogUrlName, std::string_view title, std::string_view subtitle, bool visible)
{
    return RequestBody(context.writer, body, context.host, ServiceAction::CreateBlog)
        .Authentication(email, password, {})
        .Text("<BlogURL>")
        .Escaped(blogUrlName)
        .Text("</BlogURL><Title>")
        .Escaped(title)
        .Text("</Title><Subtitle>")
        .Escaped(subtitle)
        .Text("</Subtitle><Visibility>")
        .Text(visible ? "normal" : "hidden")
        .Text("</Visibility>")
        .Finish();
}
