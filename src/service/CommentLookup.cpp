#include "service/CommentLookup.h"

#include "platform/Path.h"

#include <algorithm>

CommentLookup::CommentLookup(LocalBlogStorage& store)
    : m_store(store)
{
}

void CommentLookup::Build()
{
    if (m_built)
        return;
    m_built = true;
    for (auto& comment : m_store.GetComments()) {
        if (comment->GetCommentId() == 0)
            m_local.push_back(comment.get());
        else
            m_byId.emplace(comment->GetCommentId(), comment.get());
    }
}

BlogComment* CommentLookup::FindById(std::uint32_t commentId)
{
    Build();
    if (std::erase(m_removedIds, commentId) > 0) {
        // Another comment may have shared the id of the one deleted; the
        // store knows which comes first now.
        if (BlogComment* next = m_store.FindCommentById(commentId))
            m_byId.emplace(commentId, next);
    }
    auto found = m_byId.find(commentId);
    return found == m_byId.end() ? nullptr : found->second;
}

BlogComment* CommentLookup::FindLocal(std::uint32_t entryId, std::string_view text, std::uint32_t date)
{
    Build();
    for (BlogComment* comment : m_local) {
        if (comment->GetEntryId() == entryId && (date == 0 || comment->GetDate() == date) && EqualsIgnoringCase(comment->GetText(), text))
            return comment;
    }
    return nullptr;
}

void CommentLookup::Added(BlogComment& comment)
{
    Build();
    if (comment.GetCommentId() == 0)
        return;
    // A comment added only when none with its id is held comes after any
    // that might share the id later; the first stays the answer.
    m_byId.emplace(comment.GetCommentId(), &comment);
}

void CommentLookup::TookId(BlogComment& comment)
{
    Build();
    std::erase(m_local, &comment);
    m_byId.emplace(comment.GetCommentId(), &comment);
}

void CommentLookup::Removing(BlogComment& comment)
{
    Build();
    std::erase(m_local, &comment);
    std::uint32_t id = comment.GetCommentId();
    if (id == 0)
        return;
    auto found = m_byId.find(id);
    if (found != m_byId.end() && found->second == &comment) {
        m_byId.erase(found);
        m_removedIds.push_back(id);
    }
}
