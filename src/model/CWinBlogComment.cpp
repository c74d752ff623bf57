#include "model/CWinBlogComment.h"

#include "model/Archive.h"

const RuntimeClass& CWinBlogComment::Class()
{
    static const RuntimeClass runtimeClass {
        "CWinBlogComment",
        0,
        []() -> std::unique_ptr<SerializableObject> { return std::make_unique<CWinBlogComment>(); },
    };
    return runtimeClass;
}

void CWinBlogComment::Serialize(Archive& archive)
{
    archive.Exchange("entry id", m_entryId);
    archive.Exchange("pending flag", m_pending);
    archive.Exchange("comment id", m_commentId);
    archive.Exchange("author id", m_authorId);
    archive.Exchange("text", m_text);
    archive.Exchange("author name", m_authorName);
    archive.Exchange("date", m_date);
    archive.Exchange("unconfirmed flag", m_unconfirmed);
}

void CWinBlogComment::CopyFrom(const BlogComment& other)
{
    m_entryId = other.GetEntryId();
    m_pending = other.IsPending();
    m_commentId = other.GetCommentId();
    m_authorId = other.GetAuthorId();
    m_text = other.GetText();
    m_authorName = other.GetAuthorName();
    m_date = other.GetDate();
    m_unconfirmed = other.IsUnconfirmed();
}
