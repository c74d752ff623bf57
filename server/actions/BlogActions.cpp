// "CreateBlog" and "EB": a user's blogs and their settings.

#include "server/actions/Actions.h"

#include "server/actions/Names.h"
#include "server/soap/ServiceErrorText.h"
#include "server/soap/WireText.h"
#include "server/storage/Blogs.h"

namespace {

ErrorOr<ActionOutcome> RefuseTakenName(ActionContext& context, const std::string& wanted)
{
    auto alternates = SuggestFreeBlogNames(context.db, wanted);
    if (alternates.IsError())
        return alternates.GetError();
    std::string xml = "<Alternates>";
    for (const std::string& name : *alternates)
        xml += "<Alternate>" + EscapeWireText(name) + "</Alternate>";
    xml += "</Alternates>";
    return Refuse(context, ServiceErrorText::BlogUrlAlreadyUsed, xml);
}

}

ErrorOr<ActionOutcome> CreateBlog(ActionContext& context, const CreateBlogRequest& request)
{
    if (!IsValidBlogName(request.name))
        return Refuse(context, ServiceErrorText::InvalidBlogUrl);
    if (IsReservedBlogName(request.name))
        return RefuseTakenName(context, request.name);
    auto stamp = Stamp(context);
    if (stamp.IsError())
        return stamp.GetError();
    BlogRecord blog;
    blog.name = request.name;
    blog.ownerId = context.user->id;
    blog.title = request.title;
    blog.subtitle = request.subtitle;
    blog.hidden = request.hidden;
    auto created = ::CreateBlog(context.db, blog, *stamp);
    if (created.GetError() == Error::AlreadyExists)
        return RefuseTakenName(context, request.name);
    if (created.IsError())
        return created.GetError();
    context.note = "blog " + std::to_string(created->id);
    return Done(context);
}

// Only the owner changes a blog's settings. Anyone else's change is not
// refused but answered with the settings as they stay, which the device
// takes in place of its own.
ErrorOr<ActionOutcome> EditBlog(ActionContext& context, const EditBlogRequest& request)
{
    BlogRecord blog = context.Blog();
    if (context.access.owner) {
        blog.title = request.title;
        blog.subtitle = request.subtitle;
        blog.hidden = request.hidden;
        auto stamp = Stamp(context);
        if (stamp.IsError())
            return stamp.GetError();
        if (ErrorCode code = UpdateBlog(context.db, blog, *stamp); code != Error::Success)
            return code;
    } else {
        context.note = "settings kept: not the owner";
    }
    ResponseWriter writer(context.request.action, context.host);
    writer.Text("BT", blog.title).Text("ST", blog.subtitle).Text("VI", blog.hidden ? "hidden" : "normal");
    return Answer(writer);
}
