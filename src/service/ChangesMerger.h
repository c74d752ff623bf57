#pragma once

#include "model/LocalBlogStorage.h"
#include "platform/ErrorCode.h"
#include "service/ChangesRecords.h"
#include "service/AppendedRecords.h"
#include "service/RecordLookup.h"

// Merges the records of a changes response into a blog's store, each as
// soon as it has been read. A record the store holds (by id, or as the
// record the device made and the service has just confirmed) takes the
// service's fields unless it has changes not yet sent; an unknown one is
// added; one the service marks deleted is removed for good. In a full
// refresh every record met is confirmed, so that a sweep afterwards removes
// what the service no longer lists.
//
// Nothing is saved here: the caller saves the store once the whole
// response has been merged. New categories and comments take their places
// in the store's lists when the merger goes.
class ChangesMerger {
public:
    ChangesMerger(LocalBlogStorage& store, bool fullRefresh);

    void MergeBlog(const BlogRecord& record);
    void MergeCategory(const CategoryRecord& record);
    [[nodiscard]] ErrorCode MergeEntry(const EntryRecord& record);
    void MergeComment(const CommentRecord& record);

private:
    void CreateEntry(const EntryRecord& record);
    void TakeIntoLocalEntry(BlogEntry& entry, const EntryRecord& record);
    void TakeIntoKnownEntry(BlogEntry& entry, const EntryRecord& record);
    [[nodiscard]] ErrorCode DeleteEntry(BlogEntry& entry);
    void DeleteCategory(BlogAlbum& category);
    void DeleteComment(BlogComment& comment);
    void RenameCategory(BlogAlbum& category, std::string_view name);
    void RedateComment(BlogComment& comment, std::uint32_t date);

    LocalBlogStorage& m_store;
    bool m_fullRefresh;
    RecordLookup<BlogAlbum> m_categories;
    RecordLookup<BlogComment> m_comments;
    AppendedRecords<BlogAlbum> m_newCategories;
    AppendedRecords<BlogComment> m_newComments;
};

// A category id as an entry of the service may carry it: ids from the
// device's local range up are no ids of the service and stand for
// "Unfiled".
std::uint32_t ServiceCategoryId(std::uint32_t id);
