#include "model/LocalBlogStorage.h"

bool LocalBlogStorage::IsReadOnly(const BlogEntry* entry) const
{
    if (m_userId == 0 || m_blogInfo.IsReadOnly())
        return true;
    if (m_blogInfo.GetGroupBlog() == 0 || m_blogInfo.GetOwnerId() == m_userId)
        return false;
    // A group blog of someone else: members change their own entries.
    if (!entry)
        return true;
    if (!entry->IsOnTheWeb())
        return false;
    return entry->GetPosterId() != m_userId;
}

bool LocalBlogStorage::IsCommentReadOnly(const BlogComment* comment) const
{
    if (m_userId == 0)
        return true;
    if (!comment)
        return !m_blogInfo.AreCommentsAllowed();
    if (!comment->IsOnTheWeb() || comment->GetAuthorId() == m_userId)
        return false;
    // The blog's owner may change the comments of others.
    return IsReadOnly(nullptr);
}
