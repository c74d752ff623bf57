#pragma once

#include <cstdint>

class BlogEntry;
class CWinBlogStorage;

// What a photo e-mail or a remote post is about: an entry (its category and
// server id) or a blog as filtered by its category (entry id 0).
struct SendSubject {
    std::uint32_t categoryId { 0 };
    std::uint32_t entryId { 0 };

    bool IsBlog() const { return entryId == 0; }
};

// The entry, or without one the blog with its current category filter.
SendSubject SendSubjectOf(const CWinBlogStorage& blog, const BlogEntry* entry);

// Photo e-mails and remote posts need what they point to on the web: the
// entry, or the category the blog is filtered by ("All" and "Unfiled"
// always pass). Message 215 asks for a sync otherwise.
bool IsOnTheWebForSending(const CWinBlogStorage& blog, const BlogEntry* entry);
