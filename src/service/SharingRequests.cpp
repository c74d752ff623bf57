#include "service/RequestBuilders.h"
#include "service/ServiceActions.h"
#include "transport/ReadOnlyMemoryStream.h"
#include "transport/XmlReader.h"

namespace {

constexpr std::uint32_t kRecipientSize = 64;

// "<ID>" id "</ID>", or "<ID />" for a whole category.
void WriteEntryId(RequestBody& request, std::uint32_t entryId)
{
    if (entryId == 0)
        request.Text("<ID />");
    else
        request.Text("<ID>").Number(entryId).Text("</ID>");
}

}

std::vector<std::string> SplitRecipients(std::string_view recipients)
{
    std::vector<std::string> items;
    ReadOnlyMemoryStream stream(recipients);
    char item[kRecipientSize];
    while (stream.GetPosition() < stream.GetLength()) {
        if (!ReadListItem(stream, item, sizeof item))
            continue;
        std::string_view text(item);
        if (text.ends_with(','))
            text.remove_suffix(1);
        if (!text.empty())
            items.emplace_back(text);
    }
    return items;
}

ErrorCode BuildPhotoEmail(const RequestContext& context, Stream& body, std::uint32_t categoryId, std::uint32_t entryId,
    std::string_view recipients, std::string_view message)
{
    const ServiceAccount& account = context.account;
    RequestBody request(context.writer, body, context.host, ServiceAction::PhotoEmail);
    request.Authentication(account.email, account.password, account.blogUrlName).Text("<CI>").Number(categoryId).Text("</CI>");
    WriteEntryId(request, entryId);
    request.Text("<RS>");
    for (const std::string& recipient : SplitRecipients(recipients))
        request.Text("<RP>").Text(recipient).Text("</RP>");
    return request.Text("</RS><MG>").Escaped(message).Text("</MG>").Finish();
}

ErrorCode BuildRemoteBlogPost(const RequestContext& context, Stream& body, std::uint32_t categoryId, std::uint32_t entryId,
    std::string_view remoteBlog, std::string_view title, std::string_view caption)
{
    const ServiceAccount& account = context.account;
    RequestBody request(context.writer, body, context.host, ServiceAction::RemoteBlogPost);
    request.Authentication(account.email, account.password, account.blogUrlName).Text("<CI>").Number(categoryId).Text("</CI>");
    WriteEntryId(request, entryId);
    return request.Text("<RB>")
        .Escaped(remoteBlog)
        .Text("</RB><TI>")
        .Escaped(title)
        .Text("</TI><CP>")
        .Escaped(caption)
        .Text("</CP>")
        .Finish();
}
