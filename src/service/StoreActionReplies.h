#pragma once

#include "model/LocalBlogStorage.h"
#include "platform/ErrorCode.h"
#include "transport/Stream.h"

#include <cstdint>

// What the store makes of the service's answer to each of its actions,
// read from the body of a successful response. The caller saves the store.

// "AC" / "EC": a category that had a local id takes the id the service
// gave it (when it is a service id other than its own), and so do the
// entries filed under the old one; then it is no longer modified.
void ApplyCategoryReply(LocalBlogStorage& store, BlogAlbum& category, Stream& body);

// What an entry's reply needs to know of the request.
struct EntryReplyContext {
    std::uint32_t userId { 0 };
    std::uint16_t uploadSizeCode { 0 };
    bool groupBlog { false };
};

// "AP" / "EP": a new entry takes its id, the full-size photo's address
// and, on a group blog, the poster's name (the poster being the user).
// Then the entry's photo file is deleted when the blog keeps no photos
// after upload, and the entry is no longer pending. A reply to "AP"
// without an id leaves the entry as it was, still pending, and answers
// 65535: the service did not say what became of it.
[[nodiscard]] ErrorCode ApplyEntryReply(LocalBlogStorage& store, BlogEntry& entry, Stream& body, const EntryReplyContext& context);

// "AO" / "EO": a new comment takes its id and the author's name, the
// author being the user; then it is no longer pending. A reply to "AO"
// without an id leaves it as it was and answers 65535.
[[nodiscard]] ErrorCode ApplyCommentReply(BlogComment& comment, Stream& body, std::uint32_t userId);

// "EB": the blog's title, subtitle and visibility as the service now has
// them; the descriptor's changes are sent.
void ApplyBlogSettingsReply(CBlogInfo& blog, Stream& body);

// "DC", "DP", "DCO": the service has deleted the record, so the store
// forgets it for good (from its deletion queue too).
void ForgetDeletedCategory(LocalBlogStorage& store, const BlogAlbum& category);
[[nodiscard]] ErrorCode ForgetDeletedEntry(LocalBlogStorage& store, const BlogEntry& entry);
void ForgetDeletedComment(LocalBlogStorage& store, const BlogComment& comment);
