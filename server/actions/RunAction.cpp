#include "server/actions/Actions.h"

#include "server/soap/ServiceErrorText.h"
#include "server/storage/Blogs.h"

#include <type_traits>

namespace {

bool NeedsUser(const std::string& action)
{
    return action != "CreateAccount" && action != "GC";
}

bool NeedsBlog(const std::string& action)
{
    return action != "GU" && action != "EU" && action != "CreateAccount" && action != "CreateBlog";
}

ErrorOr<ActionOutcome> Dispatch(ActionContext& context)
{
    return std::visit(
        [&](const auto& body) -> ErrorOr<ActionOutcome> {
            using Body = std::decay_t<decltype(body)>;
            if constexpr (std::is_same_v<Body, GetUserInfoRequest>)
                return GetUserInfo(context, body);
            else if constexpr (std::is_same_v<Body, EditSubscriptionsRequest>)
                return EditSubscriptions(context, body);
            else if constexpr (std::is_same_v<Body, CreateAccountRequest>)
                return CreateAccount(context, body);
            else if constexpr (std::is_same_v<Body, CreateBlogRequest>)
                return CreateBlog(context, body);
            else if constexpr (std::is_same_v<Body, EditBlogRequest>)
                return EditBlog(context, body);
            else if constexpr (std::is_same_v<Body, GetChangesRequest>)
                return GetChanges(context, body);
            else if constexpr (std::is_same_v<Body, StoreCategoryRequest>)
                return StoreCategory(context, body);
            else if constexpr (std::is_same_v<Body, DeleteCategoryRequest>)
                return DeleteCategory(context, body);
            else if constexpr (std::is_same_v<Body, StoreEntryRequest>)
                return StoreEntry(context, body);
            else if constexpr (std::is_same_v<Body, DeleteEntryRequest>)
                return DeleteEntry(context, body);
            else if constexpr (std::is_same_v<Body, StoreCommentRequest>)
                return StoreComment(context, body);
            else if constexpr (std::is_same_v<Body, DeleteCommentRequest>)
                return DeleteComment(context, body);
            else if constexpr (std::is_same_v<Body, PhotoEmailRequest>)
                return SendPhotoEmail(context, body);
            else
                return PostToRemoteBlog(context, body);
        },
        context.request.body);
}

}

ActionOutcome Answer(ResponseWriter& writer)
{
    return ActionOutcome { writer.Finish(), {} };
}

ActionOutcome Refuse(const ActionContext& context, const char* message, std::string_view extraXml)
{
    return ActionOutcome { RefusalAnswer(context.request.action, context.host, message, extraXml), message };
}

ActionOutcome Done(const ActionContext& context)
{
    ResponseWriter writer(context.request.action, context.host);
    return Answer(writer);
}

ErrorOr<std::int64_t> Stamp(ActionContext& context)
{
    return context.db.ChangeStamp(context.now);
}

ErrorOr<ActionOutcome> RunAction(ActionContext& context)
{
    const std::string& action = context.request.action;
    if (NeedsUser(action) && !context.user)
        return Refuse(context, ServiceErrorText::InvalidAuthentication);
    if (NeedsBlog(action)) {
        auto blog = FindBlogByName(context.db, context.request.blogName.value_or(""));
        if (blog.IsError())
            return blog.GetError();
        if (!*blog)
            return Refuse(context, ServiceErrorText::BlogMissing);
        context.blog = std::move(*blog);
        auto access = AccessOf(context.db, *context.blog, context.user);
        if (access.IsError())
            return access.GetError();
        context.access = *access;
    }
    return Dispatch(context);
}
