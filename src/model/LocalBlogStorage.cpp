#include "model/LocalBlogStorage.h"

#include "platform/Path.h"

#include <algorithm>
#include <set>

LocalBlogStorage::~LocalBlogStorage()
{
    // The entries go before the index and the shown list they would tell.
    for (auto& entry : m_entries)
        entry->SetObserver(nullptr);
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

    AdoptLoadedEntries();
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

void LocalBlogStorage::AdoptLoadedEntries()
{
    for (auto& entry : m_entries)
        entry->SetObserver(this);
    m_entryIndex.Invalidate();
    ForgetShownEntries();
}

void LocalBlogStorage::OnEntryServerIdChanged(BlogEntry& entry, std::uint32_t oldId)
{
    m_entryIndex.ChangeId(entry, oldId);
}

void LocalBlogStorage::OnEntryShownFieldsChanged(BlogEntry&)
{
    ForgetShownEntries();
}

BlogEntry& LocalBlogStorage::PlaceEntry(std::unique_ptr<BlogEntry> entry)
{
    // Newest first; an entry goes after those of the same date.
    std::uint32_t date = entry->GetPostDate();
    auto place = std::upper_bound(m_entries.begin(), m_entries.end(), date,
        [](std::uint32_t newDate, const std::unique_ptr<BlogEntry>& held) { return newDate > held->GetPostDate(); });
    size_t index = static_cast<size_t>(place - m_entries.begin());
    BlogEntry& placed = *entry;
    placed.SetObserver(this);
    m_entries.InsertAt(index, std::move(entry));
    m_entryIndex.Add(placed);
    ForgetShownEntries();
    return placed;
}

std::unique_ptr<BlogEntry> LocalBlogStorage::TakeEntryAt(size_t index)
{
    auto entry = m_entries.Detach(index);
    entry->SetObserver(nullptr);
    m_entryIndex.Remove(*entry);
    ForgetShownEntries();
    return entry;
}

BlogEntry& LocalBlogStorage::InsertEntry(std::unique_ptr<BlogEntry> entry)
{
    return PlaceEntry(std::move(entry));
}

BlogAlbum& LocalBlogStorage::InsertCategory(std::unique_ptr<BlogAlbum> category)
{
    const std::string& name = category->GetName();
    auto place = std::upper_bound(m_categories.begin(), m_categories.end(), name,
        [](const std::string& newName, const std::unique_ptr<BlogAlbum>& held) { return CompareIgnoringCase(newName, held->GetName()) < 0; });
    BlogAlbum& placed = *category;
    m_categories.InsertAt(static_cast<size_t>(place - m_categories.begin()), std::move(category));
    return placed;
}

BlogComment& LocalBlogStorage::InsertComment(std::unique_ptr<BlogComment> comment)
{
    std::uint32_t date = comment->GetDate();
    auto place = std::upper_bound(m_comments.begin(), m_comments.end(), date,
        [](std::uint32_t newDate, const std::unique_ptr<BlogComment>& held) { return newDate < held->GetDate(); });
    BlogComment& placed = *comment;
    m_comments.InsertAt(static_cast<size_t>(place - m_comments.begin()), std::move(comment));
    return placed;
}

void LocalBlogStorage::SetEntryPostDate(BlogEntry& entry, std::uint32_t postDate)
{
    long index = IndexOfEntry(entry);
    if (index < 0) {
        entry.SetPostDate(postDate);
        return;
    }
    auto held = TakeEntryAt(static_cast<size_t>(index));
    held->SetPostDate(postDate);
    PlaceEntry(std::move(held));
}

void LocalBlogStorage::SetUserId(std::uint32_t userId)
{
    if (userId == m_userId)
        return;
    m_userId = userId;
    // "Published by me" depends on it.
    ForgetShownEntries();
}

std::optional<std::uint32_t> LocalBlogStorage::NextLocalCategoryId() const
{
    std::set<std::uint32_t> used;
    for (auto* list : { &m_categories, &m_deletedCategories }) {
        for (auto& category : *list) {
            if (!category->HasServiceId())
                used.insert(category->GetId());
        }
    }
    for (std::uint32_t id = BlogIds::FirstLocalCategory; id < BlogIds::AllCategoriesLow; ++id) {
        if (!used.contains(id))
            return id;
    }
    return std::nullopt;
}
