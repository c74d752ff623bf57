#include "server/actions/BlogAccess.h"

#include "server/storage/Blogs.h"

ErrorOr<BlogAccess> AccessOf(SqlTransaction& db, const BlogRecord& blog, const std::optional<UserRecord>& user)
{
    BlogAccess access;
    access.mayRead = !blog.IsProtected();
    if (!user)
        return access;
    access.owner = blog.ownerId == user->id;
    if (blog.group && !access.owner) {
        auto member = IsMember(db, blog.id, user->id);
        if (member.IsError())
            return member.GetError();
        access.member = *member;
    }
    access.mayPost = access.owner || access.member;
    if (access.mayPost) {
        access.mayRead = true;
    } else if (!access.mayRead) {
        auto subscribed = IsSubscribed(db, user->id, blog.id);
        if (subscribed.IsError())
            return subscribed.GetError();
        access.mayRead = *subscribed;
    }
    access.mayComment = access.mayPost || (access.mayRead && blog.commentsOpen);
    return access;
}
