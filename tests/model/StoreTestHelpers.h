#pragma once

#include "model/CWinBlogStorage.h"

#include <memory>
#include <string>
#include <vector>

// Records for the store tests, made through the store's own factories.

inline std::unique_ptr<BlogEntry> NewTestEntry(const BlogStorage& store, std::uint32_t serverId, std::uint32_t postDate, bool pending = false)
{
    auto entry = store.NewEntry();
    entry->SetServerId(serverId);
    entry->SetPostDate(postDate);
    entry->SetPending(pending);
    entry->SetTitle("entry " + std::to_string(serverId) + " @" + std::to_string(postDate));
    return entry;
}

inline std::unique_ptr<BlogAlbum> NewTestCategory(const BlogStorage& store, std::uint32_t id, std::string_view name, bool modified = false)
{
    auto category = store.NewCategory();
    category->SetId(id);
    category->SetName(name);
    category->SetModified(modified);
    return category;
}

inline std::unique_ptr<BlogComment> NewTestComment(const BlogStorage& store, std::uint32_t entryId, std::uint32_t commentId, std::uint32_t date)
{
    auto comment = store.NewComment();
    comment->SetEntryId(entryId);
    comment->SetCommentId(commentId);
    comment->SetDate(date);
    comment->SetText("comment " + std::to_string(commentId));
    return comment;
}

inline std::vector<std::uint32_t> PostDates(const LocalBlogStorage& store)
{
    std::vector<std::uint32_t> dates;
    for (auto& entry : store.GetEntries())
        dates.push_back(entry->GetPostDate());
    return dates;
}

inline std::vector<std::uint32_t> ShownIds(const BlogStorage& store)
{
    std::vector<std::uint32_t> ids;
    for (size_t i = 0; i < store.GetShownEntryCount(); ++i)
        ids.push_back(store.GetShownEntryAt(i)->GetServerId());
    return ids;
}
