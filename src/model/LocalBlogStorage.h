#pragma once

#include "model/BlogIds.h"
#include "model/BlogStorage.h"
#include "model/CObjectArray.h"

// The data of one blog's store and its file layout, independent of where
// the file lives and which record classes the device uses.
//
// Lists and their orders (kept by the store's insert operations):
// entries by post date, newest first; categories by name without regard to
// case; comments by date, oldest first; the three deletion queues in the
// order of deletion.
class LocalBlogStorage : public BlogStorage {
public:
    // The format version this program writes.
    static constexpr std::uint16_t kFormatVersion = 1;

    std::uint32_t GetCategoryFilter() const override { return m_categoryFilter; }
    std::uint16_t GetStatusFilter() const override { return m_statusFilter; }
    void SetFilters(std::uint32_t categoryFilter, std::uint16_t statusFilter) override;
    CBlogInfo& GetBlogInfo() override { return m_blogInfo; }
    const CBlogInfo& GetBlogInfo() const override { return m_blogInfo; }

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

    // As last read or written.
    std::uint16_t GetFormatVersion() const { return m_formatVersion; }
    // What the service needs to send only the changes since the last
    // download; 0 means everything.
    std::uint32_t GetDownloadStamp() const { return m_downloadStamp; }
    void SetDownloadStamp(std::uint32_t stamp) { m_downloadStamp = stamp; }

    CObjectArray<BlogEntry>& GetEntries() { return m_entries; }
    const CObjectArray<BlogEntry>& GetEntries() const { return m_entries; }
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

    // Set on every blog when the account is refreshed, cleared for each blog
    // the service still lists.
    bool IsSyncSelected() const { return m_syncSelected; }
    void SetSyncSelected(bool selected) { m_syncSelected = selected; }
    // Set when the user subscribes to the blog on the device.
    bool IsNewBlog() const { return m_newBlog; }
    void SetNewBlog(bool isNew) { m_newBlog = isNew; }
    // Server id of the entry whose comments are being shown.
    std::uint32_t GetCurrentEntry() const { return m_currentEntry; }
    void SetCurrentEntry(std::uint32_t serverId) { m_currentEntry = serverId; }

protected:
    LocalBlogStorage() = default;

    // The classes whose tags the file must carry in each list.
    virtual const RuntimeClass& EntryClass() const = 0;
    virtual const RuntimeClass& CategoryClass() const = 0;
    virtual const RuntimeClass& CommentClass() const = 0;

    void SetFormatVersion(std::uint16_t version) { m_formatVersion = version; }

private:
    std::uint16_t m_formatVersion { kFormatVersion };
    CBlogInfo m_blogInfo;
    std::uint32_t m_downloadStamp { 0 };
    CObjectArray<BlogEntry> m_entries;
    CObjectArray<BlogAlbum> m_categories;
    CObjectArray<BlogComment> m_comments;
    CObjectArray<BlogEntry> m_deletedEntries;
    CObjectArray<BlogAlbum> m_deletedCategories;
    CObjectArray<BlogComment> m_deletedComments;
    std::uint16_t m_statusFilter { 0 };
    std::uint32_t m_categoryFilter { BlogIds::AllCategories };
    bool m_syncSelected { false };
    bool m_newBlog { false };
    std::uint32_t m_currentEntry { 0 };
};
