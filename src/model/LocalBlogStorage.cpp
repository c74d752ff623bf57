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
    // Written in store order; a load that stops early keeps the list as it
    // is, which must then be in order too.
    SortNewEntries();
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
    // The file's order is the store order.
    m_sortedEntries = m_entries.GetSize();
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

void LocalBlogStorage::OnEntryPostDateChanged(BlogEntry& entry)
{
    // The entry leaves its place and waits with the entries added since the
    // last read to be placed again, after those of an equal date. One still
    // waiting has no place to leave.
    long index = m_entries.IndexOf(&entry);
    if (index < 0 || static_cast<size_t>(index) >= m_sortedEntries)
        return;
    auto held = m_entries.Detach(static_cast<size_t>(index));
    --m_sortedEntries;
    m_entries.Add(std::move(held));
    // Which of several entries with its id comes first may change with it.
    m_entryIndex.Remove(entry);
    m_entryIndex.Add(entry);
    ForgetShownEntries();
}

// Below this many new entries, placing each is cheaper than a merge, which
// reads every entry.
static constexpr size_t kEntriesPlacedOneByOne = 128;

static bool IsNewer(const BlogEntry& a, const BlogEntry& b)
{
    return a.GetPostDate() > b.GetPostDate();
}

void LocalBlogStorage::SortNewEntries() const
{
    size_t added = m_entries.GetSize() - m_sortedEntries;
    if (added == 0)
        return;
    // A few entries (photos taken, a short sync) are moved into place one
    // by one: that moves pointers only. Many are merged in one pass.
    if (added <= kEntriesPlacedOneByOne) {
        for (size_t i = m_sortedEntries; i < m_entries.GetSize(); ++i) {
            const BlogEntry& entry = *m_entries.GetAt(i);
            auto place = std::upper_bound(m_entries.begin(), m_entries.begin() + static_cast<long>(i), entry,
                [](const BlogEntry& newEntry, const std::unique_ptr<BlogEntry>& held) { return IsNewer(newEntry, *held); });
            m_entries.MoveTo(i, static_cast<size_t>(place - m_entries.begin()));
        }
    } else {
        m_entries.MergeTail(m_sortedEntries, IsNewer);
    }
    m_sortedEntries = m_entries.GetSize();
}

BlogEntry& LocalBlogStorage::PlaceEntry(std::unique_ptr<BlogEntry> entry)
{
    BlogEntry& placed = *entry;
    // Its place is at the end when no older entry is held: no merge needed.
    bool inOrder = m_sortedEntries == m_entries.GetSize()
        && (m_entries.IsEmpty() || !IsNewer(placed, *m_entries.GetAt(m_entries.GetSize() - 1)));
    placed.SetObserver(this);
    m_entries.Add(std::move(entry));
    if (inOrder)
        ++m_sortedEntries;
    m_entryIndex.Add(placed);
    ForgetShownEntries();
    return placed;
}

std::unique_ptr<BlogEntry> LocalBlogStorage::TakeEntryAt(size_t index)
{
    SortNewEntries();
    auto entry = m_entries.Detach(index);
    m_sortedEntries = m_entries.GetSize();
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

void LocalBlogStorage::RenameCategory(BlogAlbum& category, std::string_view name)
{
    long index = m_categories.IndexOf(&category);
    if (index < 0) {
        category.SetName(name);
        return;
    }
    auto held = m_categories.Detach(static_cast<size_t>(index));
    held->SetName(name);
    InsertCategory(std::move(held));
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
