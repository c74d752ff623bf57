#pragma once

#include "server/storage/Records.h"
#include "server/storage/SqlDatabase.h"

#include <optional>
#include <vector>

// Deleted comments are found too (their deleted flag set).
ErrorOr<std::optional<CommentRecord>> FindComment(SqlTransaction& db, std::uint32_t blogId, std::uint32_t id);
ErrorOr<CommentRecord> CreateComment(SqlTransaction& db, const CommentRecord& comment, std::int64_t stamp);
// Writes the text and the time.
ErrorCode UpdateComment(SqlTransaction& db, const CommentRecord& comment, std::int64_t stamp);
ErrorCode DeleteComment(SqlTransaction& db, std::uint32_t id, std::int64_t stamp);

// Every comment of the blog changed at or after the stamp, deleted ones
// included.
ErrorOr<std::vector<CommentRecord>> ListCommentsChangedSince(SqlTransaction& db, std::uint32_t blogId, std::int64_t stamp);
// The live comments of the blog's newest entries (as many as the limit),
// for a full listing.
ErrorOr<std::vector<CommentRecord>> ListCommentsOfRecentEntries(SqlTransaction& db, std::uint32_t blogId, std::int64_t entryLimit);
// The live comments of one entry, oldest first.
ErrorOr<std::vector<CommentRecord>> ListCommentsOfEntry(SqlTransaction& db, std::uint32_t entryId);
ErrorOr<std::int64_t> CountCommentsOfEntry(SqlTransaction& db, std::uint32_t entryId);
