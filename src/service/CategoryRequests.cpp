#include "service/RequestBuilders.h"
#include "service/ServiceActions.h"

std::string_view StoreCategoryAction(const BlogAlbum& category)
{
    return category.HasServiceId() ? ServiceAction::EditCategory : ServiceAction::AddCategory;
}

ErrorCode BuildStoreCategory(const RequestContext& context, Stream& body, const BlogAlbum& category)
{
    const ServiceAccount& account = context.account;
    RequestBody request(context.writer, body, context.host, StoreCategoryAction(category));
    request.Authentication(account.email, account.password, account.blogUrlName).Text("<CA>");
    if (category.HasServiceId())
        request.Text("<CI>").Number(category.GetId()).Text("</CI>");
    return request.Text("<NM>").Escaped(category.GetName()).Text("</NM></CA>").Finish();
}

ErrorCode BuildDeleteCategory(const RequestContext& context, Stream& body, const BlogAlbum& category)
{
    const ServiceAccount& account = context.account;
    return RequestBody(context.writer, body, context.host, ServiceAction::DeleteCategory)
        .Authentication(account.email, account.password, account.blogUrlName)
        .Text("<CA><CI>")
        .Number(category.GetId())
        .Text("</CI></CA>")
        .Finish();
}
