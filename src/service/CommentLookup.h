#pragma once

#include "model/LocalBlogStorage.h"

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

// The store's comment lookups as the merge of a changes response asks
// them, once per incoming comment: by comment id, and for a comment written
// on the device and not yet known to the service. The store scans its list
// for each; with thousands of comments that would make the merge quadratic,
// so the merge keeps this index of the store's comments while it runs and
// tells it of every comment it adds, deletes or gives an id. The answers
// are the store's: the first comment in store order that matches.
class CommentLookup {
public:
    explicit CommentLookup(LocalBlogStorage& store);

    BlogComment* FindById(std::uint32_t commentId);
    // A comment without an id on that entry, with that date (unless 0) and
    // that text (any case).
    BlogComment* FindLocal(std::uint32_t entryId, std::string_view text, std::uint32_t date);

    void Added(BlogComment& comment);
    // A comment without an id took one.
    void TookId(BlogComment& comment);
    // Before the store deletes a comment.
    void Removing(BlogComment& comment);

private:
    void Build();

    LocalBlogStorage& m_store;
    bool m_built { false };
    std::unordered_map<std::uint32_t, BlogComment*> m_byId;
    // In store order.
    std::vector<BlogComment*> m_local;
    // Ids of deleted comments, which another comment may share: the store
    // answers for them at their next lookup.
    std::vector<std::uint32_t> m_removedIds;
};
