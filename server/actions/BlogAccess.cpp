#include "server/actions/BlogAccess.h"

#include "server/storage/Blogs.h"

ErrorOr<BlogAccess> AccessOf(SqlTransaction& db, const BlogRecord& blog, const std::optional<UserRecord>& user)
{
    BlogAccess access;
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
    access.mayComment = access.mayPost || blog.commentsOpen;
    return access;
}
