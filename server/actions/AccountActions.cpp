// "GU", "EU" and "CreateAccount": the account and its list of blogs.

#include "server/actions/Actions.h"

#include "server/actions/Names.h"
#include "server/soap/ServiceErrorText.h"
#include "server/soap/WireText.h"
#include "server/storage/Blogs.h"
#include "server/storage/Users.h"

#include <set>

namespace {

// Devices keep at most 31 remote blog names and 1280 bytes of them.
constexpr size_t MaximumRemoteBlogs = 31;
constexpr size_t MaximumRemoteBlogBytes = 1280;

}

ErrorOr<ActionOutcome> GetUserInfo(ActionContext& context, const GetUserInfoRequest&)
{
    const UserRecord& user = *context.user;
    auto blogs = ListBlogsOfUser(context.db, user.id);
    if (blogs.IsError())
        return blogs.GetError();
    auto remoteBlogs = ListRemoteBlogs(context.db, user.id);
    if (remoteBlogs.IsError())
        return remoteBlogs.GetError();

    ResponseWriter writer(context.request.action, context.host);
    writer.Number("UI", user.id).Text("AT", user.pro ? "pro" : "free").Number("QT", user.quota);
    writer.Open("SL");
    for (const BlogRecord& blog : *blogs)
        writer.Text("SU", blog.name);
    writer.Close("SL").Open("RR");
    size_t count = 0;
    size_t bytes = 0;
    for (const std::string& name : *remoteBlogs) {
        std::string fitted = FitEscaped(name, WireLimits::RemoteBlogName);
        if (count == MaximumRemoteBlogs || bytes + fitted.size() > MaximumRemoteBlogBytes)
            break;
        writer.Text("RB", fitted);
        ++count;
        bytes += fitted.size();
    }
    writer.Close("RR");
    return Answer(writer);
}

// The device sends every blog it holds; the subscriptions become exactly
// the listed blogs of other users. Owned blogs and group memberships stay
// whatever the list says, and names of blogs that don't exist are passed
// over (a device may hold a blog that was removed since).
ErrorOr<ActionOutcome> EditSubscriptions(ActionContext& context, const EditSubscriptionsRequest& request)
{
    const UserRecord& user = *context.user;
    std::set<std::uint32_t> listed;
    for (const std::string& name : request.blogNames) {
        if (!IsValidBlogName(name))
            continue;
        auto blog = FindBlogByName(context.db, name);
        if (blog.IsError())
            return blog.GetError();
        if (!*blog)
            continue;
        auto access = AccessOf(context.db, **blog, context.user);
        if (access.IsError())
            return access.GetError();
        if (access->owner || access->member)
            continue;
        listed.insert((*blog)->id);
        if (ErrorCode code = Subscribe(context.db, user.id, (*blog)->id, context.now); code != Error::Success)
            return code;
    }
    auto subscribed = ListSubscriptions(context.db, user.id);
    if (subscribed.IsError())
        return subscribed.GetError();
    for (std::uint32_t blogId : *subscribed) {
        if (listed.count(blogId))
            continue;
        if (ErrorCode code = Unsubscribe(context.db, user.id, blogId); code != Error::Success)
            return code;
    }
    return Done(context);
}

ErrorOr<ActionOutcome> CreateAccount(ActionContext& context, const CreateAccountRequest& request)
{
    if (!IsAcceptableEmail(request.email))
        return Refuse(context, ServiceErrorText::InvalidEmail);
    if (request.password.empty())
        return Refuse(context, ServiceErrorText::EmptyPassword);
    // Kept as text by the database (PostgreSQL takes nothing else).
    if (request.password.size() > WireLimits::Password || !IsValidUtf8(request.password))
        return Refuse(context, ServiceErrorText::UnreadablePassword);
    NewUser user;
    user.email = request.email;
    user.password = request.password;
    user.firstName = request.firstName;
    user.lastName = request.lastName;
    user.quota = context.settings.defaultQuota;
    auto created = ::CreateUser(context.db, user, context.now);
    if (created.GetError() == Error::AlreadyExists)
        return Refuse(context, ServiceErrorText::EmailAlreadyUsed);
    if (created.IsError())
        return created.GetError();
    context.note = "account " + std::to_string(created->id);
    return Done(context);
}
