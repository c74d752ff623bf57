#include "model/LocalBlogStorage.h"

BlogAlbum* LocalBlogStorage::AddCategoryCopy(const BlogAlbum& category)
{
    if (FindCategoryById(category.GetId()))
        return nullptr;
    auto copy = NewCategory();
    copy->CopyFrom(category);
    return &InsertCategory(std::move(copy));
}

BlogEntry* LocalBlogStorage::AddEntryCopy(const BlogEntry& entry)
{
    if (FindEntryByServerId(entry.GetServerId()))
        return nullptr;
    auto copy = NewEntry();
    copy->CopyFrom(entry);
    return &InsertEntry(std::move(copy));
}

BlogComment* LocalBlogStorage::AddCommentCopy(const BlogComment& comment)
{
    if (FindCommentById(comment.GetCommentId()))
        return nullptr;
    auto copy = NewComment();
    copy->CopyFrom(comment);
    return &InsertComment(std::move(copy));
}

template<typename T, typename Id>
static void RemoveFirstWithId(CObjectArray<T>& list, std::uint32_t id, Id idOf)
{
    for (size_t i = 0; i < list.GetSize(); ++i) {
        if (idOf(*list.GetAt(i)) == id) {
            list.RemoveAt(i);
            return;
        }
    }
}

// The queued record that a permanent deletion of `record` means: the record
// itself when it is the queued one (a sync passes the head of the queue),
// else the first queued record with its id; never-published records (id 0)
// are told apart by identity alone. -1 when there is none.
template<typename T, typename Id>
static long LocateQueued(const CObjectArray<T>& queue, const T& record, Id idOf)
{
    long index = queue.IndexOf(&record);
    std::uint32_t id = idOf(record);
    if (index >= 0 || id == 0)
        return index;
    for (size_t i = 0; i < queue.GetSize(); ++i) {
        if (idOf(*queue.GetAt(i)) == id)
            return static_cast<long>(i);
    }
    return -1;
}

void LocalBlogStorage::DeleteCategory(const BlogAlbum& category, bool permanent)
{
    // The category passed may be the one destroyed here.
    std::uint32_t id = category.GetId();
    auto idOf = [](const BlogAlbum& album) { return album.GetId(); };
    for (size_t i = 0; i < m_categories.GetSize(); ++i) {
        if (m_categories.GetAt(i)->GetId() != id)
            continue;
        auto taken = m_categories.Detach(i);
        if (!permanent)
            m_deletedCategories.Add(std::move(taken));
        break;
    }
    if (id != BlogIds::Unfiled)
        Recategorise(id, BlogIds::Unfiled);
    if (permanent)
        RemoveFirstWithId(m_deletedCategories, id, idOf);
}

// A record held by the store is taken itself, so that of several records
// without an id the one meant goes; a record from elsewhere (the service's
// copy) names the first held record with its id.
long LocalBlogStorage::LocateEntry(const BlogEntry& entry) const
{
    long index = IndexOfEntry(entry);
    if (index >= 0 || entry.GetServerId() == 0)
        return index;
    BlogEntry* held = FindEntryByServerId(entry.GetServerId());
    return held ? IndexOfEntry(*held) : -1;
}

long LocalBlogStorage::LocateComment(const BlogComment& comment) const
{
    long index = m_comments.IndexOf(&comment);
    if (index >= 0 || comment.GetCommentId() == 0)
        return index;
    BlogComment* held = FindCommentById(comment.GetCommentId());
    return held ? m_comments.IndexOf(held) : -1;
}

// A record deleted on the device sits only in its queue until the sync has
// deleted it on the web too; then the sync deletes it for good.
ErrorCode LocalBlogStorage::ForgetQueuedEntry(const BlogEntry& entry, bool deletePhoto)
{
    auto idOf = [](const BlogEntry& queued) { return queued.GetServerId(); };
    long index = LocateQueued(m_deletedEntries, entry, idOf);
    if (index < 0)
        return Error::Success;
    BlogEntry& queued = *m_deletedEntries.GetAt(static_cast<size_t>(index));
    if (deletePhoto) {
        if (ErrorCode error = queued.PurgePhoto(false))
            return error;
    }
    m_deletedEntries.RemoveAt(static_cast<size_t>(index));
    return Error::Success;
}

ErrorCode LocalBlogStorage::DeleteEntry(const BlogEntry& entry, bool permanent, bool deletePhoto)
{
    long index = LocateEntry(entry);
    if (index < 0)
        return permanent ? ForgetQueuedEntry(entry, deletePhoto) : Error::Success;
    BlogEntry& held = *GetEntries().GetAt(static_cast<size_t>(index));
    if (deletePhoto) {
        if (ErrorCode error = held.PurgePhoto(false))
            return error;
        held.SetPhotoPath("");
    }
    std::uint32_t id = held.GetServerId();
    auto taken = TakeEntryAt(static_cast<size_t>(index));
    if (!permanent) {
        taken->ReleaseThumbnail();
        m_deletedEntries.Add(std::move(taken));
        return Error::Success;
    }
    taken.reset();
    // A queued entry without an id is another never-published entry, not
    // this one.
    if (id != 0)
        RemoveFirstWithId(m_deletedEntries, id, [](const BlogEntry& queued) { return queued.GetServerId(); });
    return Error::Success;
}

void LocalBlogStorage::DropEntryWithMissingPhoto(BlogEntry& entry)
{
    entry.MarkPhotoGone();
    entry.SetPending(false);
}

ErrorCode LocalBlogStorage::DeleteEntryAsAsked(BlogEntry& entry, bool onWeb, bool deletePhoto)
{
    ErrorCode photoError = Error::Success;
    if (deletePhoto) {
        photoError = entry.PurgePhoto(false);
        if (!photoError)
            entry.SetPhotoPath("");
    }
    // Queuing an entry deletes no photo, so it cannot fail.
    if (onWeb)
        (void)DeleteEntry(entry, false, false);
    else
        DropEntryWithMissingPhoto(entry);
    return photoError;
}

void LocalBlogStorage::DeleteComment(const BlogComment& comment, bool permanent)
{
    long index = LocateComment(comment);
    if (index < 0) {
        if (!permanent)
            return;
        long queued = LocateQueued(m_deletedComments, comment, [](const BlogComment& record) { return record.GetCommentId(); });
        if (queued >= 0)
            m_deletedComments.RemoveAt(static_cast<size_t>(queued));
        return;
    }
    auto taken = m_comments.Detach(static_cast<size_t>(index));
    std::uint32_t id = taken->GetCommentId();
    if (!permanent) {
        m_deletedComments.Add(std::move(taken));
        return;
    }
    taken.reset();
    if (id != 0)
        RemoveFirstWithId(m_deletedComments, id, [](const BlogComment& queued) { return queued.GetCommentId(); });
}
