#pragma once

#include "model/BlogAlbum.h"
#include "model/BlogComment.h"
#include "model/BlogEntry.h"
#include "support/SampleArchiveFiles.h"

#include <gtest/gtest.h>

// Field-by-field comparisons of loaded records with the hand-written ones.

inline void ExpectEntry(const BlogEntry& entry, const Sample::Entry& e)
{
    EXPECT_EQ(entry.GetServerId(), e.serverId);
    EXPECT_EQ(entry.GetCategoryId(), e.categoryId);
    EXPECT_EQ(entry.GetPosterId(), e.posterId);
    EXPECT_EQ(entry.GetTitle(), e.title);
    EXPECT_EQ(entry.GetCaption(), e.caption);
    EXPECT_EQ(entry.GetAuthorName(), e.author);
    EXPECT_EQ(entry.GetThumbnailUrl(), e.thumbnailUrl);
    EXPECT_EQ(entry.GetPhotoUrl(), e.photoUrl);
    EXPECT_EQ(entry.GetSourceUrl(), e.sourceUrl);
    EXPECT_EQ(entry.GetPostDate(), e.postDate);
    EXPECT_EQ(entry.GetTakenDate(), e.takenDate);
    EXPECT_EQ(entry.GetFileSize(), e.fileSize);
    EXPECT_EQ(entry.GetWidth(), e.width);
    EXPECT_EQ(entry.GetHeight(), e.height);
    EXPECT_EQ(entry.GetPhotoState(), e.photoState);
    EXPECT_EQ(entry.GetSecondState(), e.secondState);
    EXPECT_EQ(entry.GetStatusBits(), e.statusBits);
    EXPECT_EQ(entry.GetPhotoPath(), e.photoPath);
    EXPECT_EQ(entry.IsPending(), e.pending);
    EXPECT_EQ(entry.IsUnconfirmed(), e.unconfirmed);
    auto thumbnail = entry.GetThumbnail();
    EXPECT_EQ(std::string(thumbnail.begin(), thumbnail.end()), e.thumbnail);
}

inline void ExpectAlbum(const BlogAlbum& album, const Sample::Album& a)
{
    EXPECT_EQ(album.GetId(), a.id);
    EXPECT_EQ(album.GetName(), a.name);
    EXPECT_EQ(album.GetUrl(), a.url);
    EXPECT_EQ(album.IsModified(), a.modified);
    EXPECT_EQ(album.IsUnconfirmed(), a.unconfirmed);
}

inline void ExpectComment(const BlogComment& comment, const Sample::Comment& c)
{
    EXPECT_EQ(comment.GetEntryId(), c.entryId);
    EXPECT_EQ(comment.IsPending(), c.pending);
    EXPECT_EQ(comment.GetCommentId(), c.commentId);
    EXPECT_EQ(comment.GetAuthorId(), c.authorId);
    EXPECT_EQ(comment.GetText(), c.text);
    EXPECT_EQ(comment.GetAuthorName(), c.author);
    EXPECT_EQ(comment.GetDate(), c.date);
    EXPECT_EQ(comment.IsUnconfirmed(), c.unconfirmed);
}
