#include "service/RequestBuilders.h"
#include "service/ServiceActions.h"
#include "service/UploadPhoto.h"

std::string_view StoreEntryAction(const BlogEntry& entry)
{
    return entry.GetServerId() != 0 ? ServiceAction::EditEntry : ServiceAction::AddEntry;
}

ErrorCode BuildStoreEntry(const RequestContext& context, Stream& body, const BlogEntry& entry, std::uint16_t uploadSizeCode)
{
    bool isNew = entry.GetServerId() == 0;
    // Only a new entry carries its photo; without one it cannot be sent at
    // all, and nothing is written.
    std::unique_ptr<Stream> photo;
    if (isNew) {
        auto opened = OpenUploadPhoto(entry, uploadSizeCode);
        if (opened.IsError())
            return opened.GetError();
        photo = opened.ReleaseValue();
    }

    const ServiceAccount& account = context.account;
    RequestBody request(context.writer, body, context.host, StoreEntryAction(entry));
    request.Authentication(account.email, account.password, account.blogUrlName).Text("<PI>");
    if (!isNew)
        request.Text("<ID>").Number(entry.GetServerId()).Text("</ID>");
    request.Text("<CI>")
        .Number(entry.GetCategoryId())
        .Text("</CI><TI>")
        .Escaped(entry.GetTitle())
        .Text("</TI><CP>")
        .Escaped(entry.GetCaption())
        .Text("</CP><PD>")
        .Time(entry.GetPostDate(), false)
        .Text("</PD><TD>")
        .Time(entry.GetTakenDate(), false)
        .Text("</TD>");
    if (photo)
        request.Text("<JP>").Base64(*photo).Text("</JP>");
    return request.Text("</PI>").Finish();
}

ErrorCode BuildDeleteEntry(const RequestContext& context, Stream& body, const BlogEntry& entry)
{
    const ServiceAccount& account = context.account;
    return RequestBody(context.writer, body, context.host, ServiceAction::DeleteEntry)
        .Authentication(account.email, account.password, account.blogUrlName)
        .Text("<PI><ID>")
        .Number(entry.GetServerId())
        .Text("</ID></PI>")
        .Finish();
}
