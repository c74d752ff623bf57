#include "service/ChangesMerger.h"

#include "model/BlogIds.h"
#include "platform/Path.h"
#include "service/DownloadedPhoto.h"

std::uint32_t ServiceCategoryId(std::uint32_t id)
{
    return id < BlogIds::FirstLocalCategory ? id : BlogIds::Unfiled;
}

namespace {

RecordLookup<BlogAlbum>::Rules CategoryRules(LocalBlogStorage& store)
{
    return {
        [](const BlogAlbum& category) { return category.GetId(); },
        [](const BlogAlbum& category) { return !category.HasServiceId(); },
        [&store](std::uint32_t id) { return store.FindCategoryById(id); },
    };
}

RecordLookup<BlogComment>::Rules CommentRules(LocalBlogStorage& store)
{
    return {
        [](const BlogComment& comment) { return comment.GetCommentId(); },
        [](const BlogComment& comment) { return comment.GetCommentId() == 0; },
        [&store](std::uint32_t id) { return store.FindCommentById(id); },
    };
}

// The orders of the store's lists.
bool NameComesBefore(const BlogAlbum& a, const BlogAlbum& b)
{
    return CompareIgnoringCase(a.GetName(), b.GetName()) < 0;
}

bool DateComesBefore(const BlogComment& a, const BlogComment& b)
{
    return a.GetDate() < b.GetDate();
}

}

ChangesMerger::ChangesMerger(LocalBlogStorage& store, bool fullRefresh)
    : m_store(store)
    , m_fullRefresh(fullRefresh)
    , m_categories(store.GetCategories(), CategoryRules(store))
    , m_comments(store.GetComments(), CommentRules(store))
    , m_newCategories(store.GetCategories(), NameComesBefore)
    , m_newComments(store.GetComments(), DateComesBefore)
{
}

void ChangesMerger::MergeBlog(const BlogRecord& record)
{
    CBlogInfo& blog = m_store.GetBlogInfo();
    blog.SetGroupBlog(record.type != "normal" ? 1 : 0);
    blog.SetOwnerId(record.ownerId);
    blog.SetCanAddPhotos(record.writeAccess == "yes");
    blog.SetCommentsAllowed(record.commentAccess == "yes");
    // Settings changed on the device and not yet sent win over the
    // service's.
    if (blog.IsSettingsModified())
        return;
    blog.SetTitle(record.title);
    blog.SetSubtitle(record.subtitle);
    blog.SetHidden(record.visibility != "normal" ? 1 : 0);
}

void ChangesMerger::MergeCategory(const CategoryRecord& record)
{
    // Ids from the local range would name categories the device made.
    if (record.id == 0 || record.name.empty() || record.id >= BlogIds::FirstLocalCategory)
        return;
    if (BlogAlbum* known = m_categories.FindById(record.id)) {
        if (record.deleted) {
            DeleteCategory(*known);
            return;
        }
        if (!known->IsModified()) {
            RenameCategory(*known, record.name);
            known->SetUrl(record.url);
        }
        if (m_fullRefresh)
            m_store.ConfirmCategory(*known);
        return;
    }
    auto sameName = [&](const BlogAlbum& category) { return EqualsIgnoringCase(category.GetName(), record.name); };
    if (BlogAlbum* local = m_categories.FindLocal(sameName)) {
        // The category made on the device, which the service already knows.
        if (record.deleted) {
            DeleteCategory(*local);
            return;
        }
        std::uint32_t localId = local->GetId();
        local->SetId(record.id);
        local->SetUrl(record.url);
        local->SetModified(false);
        m_categories.TookId(*local);
        m_store.Recategorise(localId, record.id);
        if (m_fullRefresh)
            m_store.ConfirmCategory(*local);
        return;
    }
    if (record.deleted)
        return;
    auto category = m_store.NewCategory();
    category->SetId(record.id);
    category->SetName(record.name);
    category->SetUrl(record.url);
    category->SetModified(false);
    m_categories.Added(m_newCategories.Append(std::move(category)));
}

void ChangesMerger::DeleteCategory(BlogAlbum& category)
{
    m_categories.Removing(category);
    m_newCategories.Removing(category);
    m_store.DeleteCategory(category, true);
}

// The store holds its categories in name order and its comments in date
// order: a record whose key changes goes to the end of the list, and takes
// its place with the new ones.
void ChangesMerger::RenameCategory(BlogAlbum& category, std::string_view name)
{
    if (category.GetName() == name)
        return;
    auto taken = m_newCategories.Take(category);
    category.SetName(name);
    if (taken)
        m_newCategories.Append(std::move(taken));
}

ErrorCode ChangesMerger::MergeEntry(const EntryRecord& record)
{
    if (record.id == 0)
        return Error::Success;
    BlogEntry* known = m_store.FindEntryByServerId(record.id);
    BlogEntry* local = known ? nullptr
                             : m_store.FindLocalEntry(ServiceCategoryId(record.categoryId), record.title, record.caption, record.postDate);
    BlogEntry* held = known ? known : local;
    if (!held) {
        if (!record.deleted)
            CreateEntry(record);
        return Error::Success;
    }
    if (record.deleted)
        return DeleteEntry(*held);
    if (known)
        TakeIntoKnownEntry(*held, record);
    else
        TakeIntoLocalEntry(*held, record);
    if (m_fullRefresh)
        m_store.ConfirmEntry(*held);
    return Error::Success;
}

void ChangesMerger::CreateEntry(const EntryRecord& record)
{
    auto entry = m_store.NewEntry();
    entry->SetServerId(record.id);
    entry->SetCategoryId(ServiceCategoryId(record.categoryId));
    entry->SetPosterId(record.posterId);
    entry->SetTitle(record.title);
    entry->SetCaption(record.caption);
    entry->SetAuthorName(record.posterName);
    entry->SetSourceUrl(record.sourceUrl);
    entry->SetPhotoUrl(record.photoUrl);
    entry->SetThumbnailUrl(record.thumbnailUrl);
    entry->SetPostDate(record.postDate);
    entry->SetTakenDate(record.takenDate);
    entry->SetPending(false);
    // A full listing brings nothing new to the user's eye: it is the blog.
    if (!m_fullRefresh)
        (void)entry->SetNewEntry(true);
    m_store.InsertEntry(std::move(entry));
}

// The entry the device made and sent: the service gives it its id and what
// only the service knows; what the user wrote stays as on the device.
void ChangesMerger::TakeIntoLocalEntry(BlogEntry& entry, const EntryRecord& record)
{
    entry.SetServerId(record.id);
    entry.SetPosterId(record.posterId);
    entry.SetAuthorName(record.posterName);
    entry.SetSourceUrl(record.sourceUrl);
    entry.SetPhotoUrl(record.photoUrl);
    entry.SetThumbnailUrl(record.thumbnailUrl);
    entry.SetPending(false);
}

void ChangesMerger::TakeIntoKnownEntry(BlogEntry& entry, const EntryRecord& record)
{
    // Changes not yet sent win over the service's.
    if (entry.IsPending())
        return;
    entry.SetCategoryId(ServiceCategoryId(record.categoryId));
    entry.SetPosterId(record.posterId);
    entry.SetTitle(record.title);
    entry.SetCaption(record.caption);
    entry.SetAuthorName(record.posterName);
    entry.SetSourceUrl(record.sourceUrl);
    entry.SetPhotoUrl(record.photoUrl);
    entry.SetThumbnailUrl(record.thumbnailUrl);
    // The list is kept in post-date order; moving an entry costs a pass.
    if (entry.GetPostDate() != record.postDate)
        m_store.SetEntryPostDate(entry, record.postDate);
}

// An entry deleted on the web goes from the store for good. A photo the
// sync downloaded for it goes too; a photo taken or picked on the device is
// the user's own, and may now be the only copy left: it stays.
ErrorCode ChangesMerger::DeleteEntry(BlogEntry& entry)
{
    if (IsDownloadedPhoto(entry, m_store.GetBlogInfo().GetUrlName())) {
        // A downloaded photo that cannot be deleted is only a stray copy;
        // it must not keep the entry, which the service no longer has.
        (void)entry.PurgePhoto(false);
    }
    return m_store.DeleteEntry(entry, true, false);
}

void ChangesMerger::MergeComment(const CommentRecord& record)
{
    if (record.id == 0)
        return;
    BlogComment* known = m_comments.FindById(record.id);
    auto sameComment = [&](const BlogComment& comment) {
        return comment.GetEntryId() == record.entryId && (record.date == 0 || comment.GetDate() == record.date)
            && EqualsIgnoringCase(comment.GetText(), record.text);
    };
    BlogComment* local = known ? nullptr : m_comments.FindLocal(sameComment);
    BlogComment* held = known ? known : local;
    if (!held) {
        if (record.deleted)
            return;
        BlogEntry* entry = m_store.FindEntryByServerId(record.entryId);
        // A full listing holds the comments of the entries it lists.
        if (m_fullRefresh && !entry)
            return;
        auto comment = m_store.NewComment();
        comment->SetCommentId(record.id);
        comment->SetEntryId(record.entryId);
        comment->SetAuthorId(record.authorId);
        comment->SetText(record.text);
        comment->SetAuthorName(record.author);
        comment->SetDate(record.date);
        comment->SetPending(false);
        m_comments.Added(m_newComments.Append(std::move(comment)));
        if (!m_fullRefresh && entry)
            (void)entry->SetNewComments(true);
        return;
    }
    if (record.deleted) {
        DeleteComment(*held);
        return;
    }
    if (known) {
        if (!known->IsPending()) {
            known->SetEntryId(record.entryId);
            known->SetAuthorId(record.authorId);
            known->SetText(record.text);
            known->SetAuthorName(record.author);
            RedateComment(*known, record.date);
        }
    } else {
        local->SetCommentId(record.id);
        local->SetAuthorId(record.authorId);
        local->SetAuthorName(record.author);
        local->SetPending(false);
        m_comments.TookId(*local);
    }
    if (m_fullRefresh)
        m_store.ConfirmComment(*held);
}

void ChangesMerger::RedateComment(BlogComment& comment, std::uint32_t date)
{
    if (comment.GetDate() == date)
        return;
    auto taken = m_newComments.Take(comment);
    comment.SetDate(date);
    if (taken)
        m_newComments.Append(std::move(taken));
}

void ChangesMerger::DeleteComment(BlogComment& comment)
{
    m_comments.Removing(comment);
    m_newComments.Removing(comment);
    m_store.DeleteComment(comment, true);
}
