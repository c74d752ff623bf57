#pragma once

#include "model/BlogIds.h"
#include "model/BlogStorage.h"
#include "model/CObjectArray.h"
#include "model/EntryIdIndex.h"
#include "model/EntryObserver.h"

#include <vector>

// The data of one blog's store and its file layout, independent of where
// the file lives and which record classes the device uses.
//
// Lists and their orders (kept by the store's insert operations): entries
// by post date, newest first; categories by name without regard to case;
// comments by date, oldest first; a record equal to others goes after them.
// The three deletion queues are in the order of deletion. Categories and
// comments are inserted at their place found by binary search. New entries
// are appended and merged into place (stably, with the same result) the
// next time anything reads the entries in order: a sync adds thousands of
// entries one by one between two such reads, and moving the whole list up
// for each would make it quadratic.
//
// The entry list changes only through the store, and the entries tell the
// store when a field it indexes changes (EntryObserver): the date order, the
// server-id index and the list of shown entries are therefore always right,
// however an entry was changed (the sync's merge changes the post dates of
// entries it finds by id).
class LocalBlogStorage
    : public BlogStorage
    , private EntryObserver {
public:
    // The format version this program writes.
    static constexpr std::uint16_t kFormatVersion = 1;

    ~LocalBlogStorage() override;
    LocalBlogStorage(const LocalBlogStorage&) = delete;
    LocalBlogStorage& operator=(const LocalBlogStorage&) = delete;

    std::uint32_t GetCategoryFilter() const override { return m_categoryFilter; }
    std::uint16_t GetStatusFilter() const override { return m_statusFilter; }
    void SetFilters(std::uint32_t categoryFilter, std::uint16_t statusFilter) override;
    size_t GetCategoryCount() const override { return m_categories.GetSize(); }
    size_t GetShownEntryCount() const override;
    CBlogInfo& GetBlogInfo() override { return m_blogInfo; }
    const CBlogInfo& GetBlogInfo() const override { return m_blogInfo; }
    BlogAlbum* GetCategoryAt(size_t index) const override;
    BlogEntry* GetShownEntryAt(size_t index) const override;
    BlogEntry* GetLastShownEntry() const override;
    BlogAlbum* FindCategoryById(std::uint32_t id) const override;
    BlogAlbum* FindCategoryByName(std::string_view name) const override;
    BlogEntry* FindEntryByServerId(std::uint32_t serverId) const override;
    std::uint32_t GetShownIndexOf(const BlogEntry& entry) const override;

    void SetCurrentEntry(std::uint32_t serverId) override { m_currentEntry = serverId; }
    size_t GetCurrentCommentCount() const override;
    BlogComment* GetCurrentCommentAt(size_t index) const override;
    BlogComment* FindCommentById(std::uint32_t commentId) const override;

    BlogAlbum* GetFirstModifiedCategory() const override;
    BlogAlbum* FindLocalCategoryByName(std::string_view name) const override;
    BlogEntry* FindLocalEntry(std::uint32_t categoryId, std::string_view title,
        std::optional<std::string_view> caption, std::uint32_t postDate) const override;
    BlogComment* GetFirstPendingComment() const override;
    BlogComment* FindLocalComment(std::uint32_t entryId, std::optional<std::string_view> text, std::uint32_t date) const override;
    BlogAlbum* GetFirstDeletedCategory() const override;
    BlogEntry* GetFirstDeletedEntry() const override;
    BlogComment* GetFirstDeletedComment() const override;

    BlogAlbum* AddCategoryCopy(const BlogAlbum& category) override;
    void DeleteCategory(const BlogAlbum& category, bool permanent) override;
    BlogEntry* AddEntryCopy(const BlogEntry& entry) override;
    ErrorCode DeleteEntry(const BlogEntry& entry, bool permanent, bool deletePhoto) override;
    void DropEntryWithMissingPhoto(BlogEntry& entry) override;
    ErrorCode RemoveEntry(const BlogEntry& entry) override { return DeleteEntry(entry, true, true); }
    BlogComment* AddCommentCopy(const BlogComment& comment) override;
    void DeleteComment(const BlogComment& comment, bool permanent) override;

    bool IsBeyondPending(std::uint16_t statusValue) const override { return statusValue > kStatusPending; }
    bool IsReadOnly(const BlogEntry* entry) const override;
    bool IsCommentReadOnly(const BlogComment* comment) const override;

    void MarkAllCategoriesUnconfirmed() override;
    void ConfirmCategory(BlogAlbum& category) override { category.ClearUnconfirmed(); }
    void SweepCategories() override;
    void Recategorise(std::uint32_t from, std::uint32_t to) override;
    void MarkAllEntriesUnconfirmed() override;
    void ConfirmEntry(BlogEntry& entry) override { entry.ClearUnconfirmed(); }
    void SweepEntries() override;
    void MarkAllCommentsUnconfirmed() override;
    void ConfirmCommentsOfEntry(std::uint32_t entryServerId) override;
    void ConfirmComment(BlogComment& comment) override { comment.ClearUnconfirmed(); }
    void SweepComments() override;

    std::uint32_t GetEffectiveEntryLimit() const override { return m_blogInfo.GetEffectiveEntryLimit(); }
    bool GetDeleteAfterUpload() const override { return m_blogInfo.GetDeleteAfterUpload(); }
    void ClearDeletedCategories() override { m_deletedCategories.RemoveAll(); }
    void ClearDeletedEntries() override { m_deletedEntries.RemoveAll(); }

    // The store file: header, descriptor, filters, then the six lists as
    // tagged records. Loading a file of format version 0 drops its comments
    // and resets the download stamp. Loading a damaged file keeps what was
    // read completely and also resets the download stamp, since records may
    // be missing and the next sync must fetch everything again.
    void Serialize(Archive& archive) override;

    // Put the record itself (not a copy) at its sorted place; from then on
    // it belongs to the store. No id test is made, so several
    // never-published entries can coexist.
    BlogEntry& InsertEntry(std::unique_ptr<BlogEntry> entry);
    BlogAlbum& InsertCategory(std::unique_ptr<BlogAlbum> category);
    BlogComment& InsertComment(std::unique_ptr<BlogComment> comment);
    // Gives an entry a new post date; a held entry moves to its new place
    // (after the entries of an equal date), as it does whenever its date
    // changes through any of its setters.
    void SetEntryPostDate(BlogEntry& entry, std::uint32_t postDate) { entry.SetPostDate(postDate); }
    // Gives a held category a new name and moves it to its place, so that
    // the categories stay in name order.
    void RenameCategory(BlogAlbum& category, std::string_view name);
    // Deleting one entry as the user asks for it: with deletePhoto its
    // photo file is deleted (its path emptied unless that failed); then,
    // with onWeb, the entry is queued for deletion on the web, else it stays
    // hidden and no longer pending, so that no sync brings it back. Returns
    // the photo's failure, if any; the rest is done all the same.
    ErrorCode DeleteEntryAsAsked(BlogEntry& entry, bool onWeb, bool deletePhoto);
    // The lowest local category id (from 4294967040, below the two
    // all-categories values) that no category, held or queued for deletion,
    // uses; none when all are taken.
    std::optional<std::uint32_t> NextLocalCategoryId() const;

    // The user's service id, for the permission tests and the "published by
    // me" filter. The blog list sets it on every store it holds.
    std::uint32_t GetUserId() const { return m_userId; }
    void SetUserId(std::uint32_t userId);

    // As last read or written.
    std::uint16_t GetFormatVersion() const { return m_formatVersion; }
    // What the service needs to send only the changes since the last
    // download; 0 means everything.
    std::uint32_t GetDownloadStamp() const { return m_downloadStamp; }
    void SetDownloadStamp(std::uint32_t stamp) { m_downloadStamp = stamp; }

    // The lists. The entries change only through the store's operations.
    const CObjectArray<BlogEntry>& GetEntries() const
    {
        SortNewEntries();
        return m_entries;
    }
    CObjectArray<BlogAlbum>& GetCategories() { return m_categories; }
    const CObjectArray<BlogAlbum>& GetCategories() const { return m_categories; }
    CObjectArray<BlogComment>& GetComments() { return m_comments; }
    const CObjectArray<BlogComment>& GetComments() const { return m_comments; }
    CObjectArray<BlogEntry>& GetDeletedEntries() { return m_deletedEntries; }
    const CObjectArray<BlogEntry>& GetDeletedEntries() const { return m_deletedEntries; }
    CObjectArray<BlogAlbum>& GetDeletedCategories() { return m_deletedCategories; }
    const CObjectArray<BlogAlbum>& GetDeletedCategories() const { return m_deletedCategories; }
    CObjectArray<BlogComment>& GetDeletedComments() { return m_deletedComments; }
    const CObjectArray<BlogComment>& GetDeletedComments() const { return m_deletedComments; }
    // Whether an entry passes both filters.
    bool IsShown(const BlogEntry& entry) const;

    // Set on every blog when the account is refreshed, cleared for each blog
    // the service still lists.
    bool IsSyncSelected() const { return m_syncSelected; }
    void SetSyncSelected(bool selected) { m_syncSelected = selected; }
    // Set when the user subscribes to the blog on the device.
    bool IsNewBlog() const { return m_newBlog; }
    void SetNewBlog(bool isNew) { m_newBlog = isNew; }
    std::uint32_t GetCurrentEntry() const { return m_currentEntry; }

protected:
    LocalBlogStorage() = default;

    // The classes whose tags the file must carry in each list.
    virtual const RuntimeClass& EntryClass() const = 0;
    virtual const RuntimeClass& CategoryClass() const = 0;
    virtual const RuntimeClass& CommentClass() const = 0;

    void SetFormatVersion(std::uint16_t version) { m_formatVersion = version; }
    // The position of a held entry, or -1.
    long IndexOfEntry(const BlogEntry& entry) const { return GetEntries().IndexOf(&entry); }

private:
    void OnEntryServerIdChanged(BlogEntry& entry, std::uint32_t oldId) override;
    void OnEntryShownFieldsChanged(BlogEntry& entry) override;
    void OnEntryPostDateChanged(BlogEntry& entry) override;

    // Every change of the entry list passes here.
    BlogEntry& PlaceEntry(std::unique_ptr<BlogEntry> entry);
    std::unique_ptr<BlogEntry> TakeEntryAt(size_t index);
    void AdoptLoadedEntries();
    // Merges the entries added since the last read into their places.
    void SortNewEntries() const;
    void ForgetShownEntries() { m_shownValid = false; }
    const std::vector<BlogEntry*>& ShownEntries() const;
    // The position of the held entry that a deletion of `entry` means.
    long LocateEntry(const BlogEntry& entry) const;
    // Destroys the queued entry that a permanent deletion of `entry` means.
    ErrorCode ForgetQueuedEntry(const BlogEntry& entry, bool deletePhoto);
    long LocateComment(const BlogComment& comment) const;

    std::uint16_t m_formatVersion { kFormatVersion };
    CBlogInfo m_blogInfo;
    std::uint32_t m_downloadStamp { 0 };
    // In store order up to m_sortedEntries, then new entries as added.
    mutable CObjectArray<BlogEntry> m_entries;
    mutable size_t m_sortedEntries { 0 };
    CObjectArray<BlogAlbum> m_categories;
    CObjectArray<BlogComment> m_comments;
    CObjectArray<BlogEntry> m_deletedEntries;
    CObjectArray<BlogAlbum> m_deletedCategories;
    CObjectArray<BlogComment> m_deletedComments;
    std::uint16_t m_statusFilter { kStatusAll };
    std::uint32_t m_categoryFilter { BlogIds::AllCategories };
    std::uint32_t m_userId { 0 };
    bool m_syncSelected { false };
    bool m_newBlog { false };
    std::uint32_t m_currentEntry { 0 };

    mutable EntryIdIndex m_entryIndex;
    mutable std::vector<BlogEntry*> m_shown;
    mutable bool m_shownValid { false };
};
