#include "model/LocalBlogStorage.h"

template<typename T>
static void MarkAll(CObjectArray<T>& list)
{
    for (auto& record : list)
        record->SetUnconfirmed(true);
}

// Records still marked after a full listing are gone from the service,
// unless they never reached it or carry changes not yet sent: those only
// lose the mark. One pass, so that a sweep of many records stays linear.
template<typename T, typename MayGo>
static void Sweep(CObjectArray<T>& list, MayGo mayGo)
{
    list.RemoveIf([&](T& record) {
        if (!record.IsUnconfirmed())
            return false;
        if (mayGo(record))
            return true;
        record.ClearUnconfirmed();
        return false;
    });
}

void LocalBlogStorage::MarkAllCategoriesUnconfirmed()
{
    MarkAll(m_categories);
}

void LocalBlogStorage::SweepCategories()
{
    Sweep(m_categories, [](const BlogAlbum& category) { return category.GetId() != 0 && !category.IsModified(); });
}

void LocalBlogStorage::Recategorise(std::uint32_t from, std::uint32_t to)
{
    for (auto& entry : m_entries) {
        if (entry->GetCategoryId() == from)
            entry->SetCategoryId(to);
    }
}

void LocalBlogStorage::MarkAllEntriesUnconfirmed()
{
    for (auto& entry : m_entries)
        entry->SetUnconfirmed(true);
}

void LocalBlogStorage::SweepEntries()
{
    SortNewEntries();
    size_t before = m_entries.GetSize();
    Sweep(m_entries, [](const BlogEntry& entry) { return entry.GetServerId() != 0 && !entry.IsPending(); });
    m_sortedEntries = m_entries.GetSize();
    if (m_entries.GetSize() != before) {
        m_entryIndex.Invalidate();
        ForgetShownEntries();
    }
}

void LocalBlogStorage::MarkAllCommentsUnconfirmed()
{
    MarkAll(m_comments);
}

void LocalBlogStorage::ConfirmCommentsOfEntry(std::uint32_t entryServerId)
{
    for (auto& comment : m_comments) {
        if (comment->GetEntryId() == entryServerId)
            comment->ClearUnconfirmed();
    }
}

void LocalBlogStorage::SweepComments()
{
    Sweep(m_comments, [](const BlogComment& comment) { return comment.GetCommentId() != 0 && !comment.IsPending(); });
}
