#include "model/LocalBlogStorage.h"

void LocalBlogStorage::SetFilters(std::uint32_t categoryFilter, std::uint16_t statusFilter)
{
    m_categoryFilter = categoryFilter;
    m_statusFilter = statusFilter;
}

void LocalBlogStorage::Serialize(Archive& archive)
{
    std::uint16_t version = kFormatVersion;
    archive.Exchange("format version", version);
    bool versionRead = !archive.Failed();
    std::uint32_t reserved = 0;
    archive.Exchange("reserved field", reserved);
    m_blogInfo.SerializeFields(archive);
    archive.Exchange("download stamp", m_downloadStamp);
    archive.Exchange("status filter", m_statusFilter);
    archive.Exchange("category filter", m_categoryFilter);
    m_entries.Serialize(archive, EntryClass(), "entries");
    m_categories.Serialize(archive, CategoryClass(), "categories");
    m_comments.Serialize(archive, CommentClass(), "comments");
    m_deletedEntries.Serialize(archive, EntryClass(), "deleted entries");
    m_deletedCategories.Serialize(archive, CategoryClass(), "deleted categories");
    m_deletedComments.Serialize(archive, CommentClass(), "deleted comments");
    if (archive.IsStoring())
        return;

    archive.Reader().ExpectEnd();
    if (versionRead)
        m_formatVersion = version;
    // A store of the earlier release is brought up to date by the next
    // sync: its comments go, and everything is downloaded again.
    if (versionRead && version == 0) {
        m_comments.RemoveAll();
        m_deletedComments.RemoveAll();
        m_downloadStamp = 0;
    }
    if (archive.Failed())
        m_downloadStamp = 0;
}
