#include "model/LocalBlogStorage.h"

#include "platform/Path.h"

template<typename T, typename Predicate>
static T* FindFirst(const CObjectArray<T>& list, Predicate matches)
{
    for (auto& record : list) {
        if (matches(*record))
            return record.get();
    }
    return nullptr;
}

template<typename T>
static T* Head(const CObjectArray<T>& list)
{
    return list.IsEmpty() ? nullptr : list.GetAt(0);
}

BlogAlbum* LocalBlogStorage::GetCategoryAt(size_t index) const
{
    return index < m_categories.GetSize() ? m_categories.GetAt(index) : nullptr;
}

BlogAlbum* LocalBlogStorage::FindCategoryById(std::uint32_t id) const
{
    return FindFirst(m_categories, [&](const BlogAlbum& category) { return category.GetId() == id; });
}

BlogAlbum* LocalBlogStorage::FindCategoryByName(std::string_view name) const
{
    return FindFirst(m_categories, [&](const BlogAlbum& category) { return EqualsIgnoringCase(category.GetName(), name); });
}

BlogEntry* LocalBlogStorage::FindEntryByServerId(std::uint32_t serverId) const
{
    // A lookup the index answers needs no order: the merge of a sync asks
    // once per record, between adding entries.
    if (m_entryIndex.NeedsList(serverId))
        SortNewEntries();
    return m_entryIndex.Find(serverId, m_entries);
}

size_t LocalBlogStorage::GetCurrentCommentCount() const
{
    size_t count = 0;
    for (auto& comment : m_comments) {
        if (comment->GetEntryId() == m_currentEntry)
            ++count;
    }
    return count;
}

BlogComment* LocalBlogStorage::GetCurrentCommentAt(size_t index) const
{
    for (auto& comment : m_comments) {
        if (comment->GetEntryId() != m_currentEntry)
            continue;
        if (index == 0)
            return comment.get();
        --index;
    }
    return nullptr;
}

BlogComment* LocalBlogStorage::FindCommentById(std::uint32_t commentId) const
{
    return FindFirst(m_comments, [&](const BlogComment& comment) { return comment.GetCommentId() == commentId; });
}

BlogAlbum* LocalBlogStorage::GetFirstModifiedCategory() const
{
    return FindFirst(m_categories, [](const BlogAlbum& category) { return category.IsModified(); });
}

BlogAlbum* LocalBlogStorage::FindLocalCategoryByName(std::string_view name) const
{
    return FindFirst(m_categories, [&](const BlogAlbum& category) {
        return !category.HasServiceId() && EqualsIgnoringCase(category.GetName(), name);
    });
}

BlogEntry* LocalBlogStorage::FindLocalEntry(std::uint32_t categoryId, std::string_view title,
    std::optional<std::string_view> caption, std::uint32_t postDate) const
{
    auto matches = [&](const BlogEntry& entry) {
        return entry.GetServerId() == 0 && entry.GetCategoryId() == categoryId
            && (postDate == 0 || entry.GetPostDate() == postDate)
            && EqualsIgnoringCase(entry.GetTitle(), title)
            && (!caption || EqualsIgnoringCase(entry.GetCaption(), *caption));
    };
    // The merge asks this for every record it does not know by id, so only
    // the never-published entries are looked at; the first in store order
    // wins when several match.
    BlogEntry* found = nullptr;
    long foundIndex = -1;
    if (m_entryIndex.IsStale())
        SortNewEntries();
    for (BlogEntry* entry : m_entryIndex.Unpublished(m_entries)) {
        if (!matches(*entry))
            continue;
        if (!found) {
            found = entry;
            continue;
        }
        if (foundIndex < 0)
            foundIndex = IndexOfEntry(*found);
        long index = IndexOfEntry(*entry);
        if (index < foundIndex) {
            found = entry;
            foundIndex = index;
        }
    }
    return found;
}

BlogComment* LocalBlogStorage::GetFirstPendingComment() const
{
    return FindFirst(m_comments, [](const BlogComment& comment) { return comment.IsPending(); });
}

BlogComment* LocalBlogStorage::FindLocalComment(std::uint32_t entryId, std::optional<std::string_view> text, std::uint32_t date) const
{
    return FindFirst(m_comments, [&](const BlogComment& comment) {
        return comment.GetCommentId() == 0 && comment.GetEntryId() == entryId
            && (date == 0 || comment.GetDate() == date)
            && (!text || EqualsIgnoringCase(comment.GetText(), *text));
    });
}

BlogAlbum* LocalBlogStorage::GetFirstDeletedCategory() const
{
    return Head(m_deletedCategories);
}

BlogEntry* LocalBlogStorage::GetFirstDeletedEntry() const
{
    return Head(m_deletedEntries);
}

BlogComment* LocalBlogStorage::GetFirstDeletedComment() const
{
    return Head(m_deletedComments);
}
