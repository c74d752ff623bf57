#pragma once

#include "server/storage/Records.h"
#include "server/storage/SqlDatabase.h"

#include <optional>
#include <vector>

// Deleted entries are found too (their deleted flag set).
ErrorOr<std::optional<EntryRecord>> FindEntry(SqlTransaction& db, std::uint32_t blogId, std::uint32_t id);
ErrorOr<EntryRecord> CreateEntry(SqlTransaction& db, const EntryRecord& entry, std::int64_t stamp);
// Writes category, title, caption and both times.
ErrorCode UpdateEntry(SqlTransaction& db, const EntryRecord& entry, std::int64_t stamp);
// Marks the entry and its comments deleted and forgets their texts.
ErrorCode DeleteEntry(SqlTransaction& db, std::uint32_t id, std::int64_t stamp);

// Every entry of the blog changed at or after the stamp, deleted ones
// included.
ErrorOr<std::vector<EntryRecord>> ListEntriesChangedSince(SqlTransaction& db, std::uint32_t blogId, std::int64_t stamp);

struct EntryPage {
    std::optional<std::uint32_t> categoryId; // none: every category
    std::int64_t limit { 0x7fffffff };
    std::int64_t offset { 0 };
};
// Live entries, newest first.
ErrorOr<std::vector<EntryRecord>> ListRecentEntries(SqlTransaction& db, std::uint32_t blogId, const EntryPage& page);
ErrorOr<std::int64_t> CountEntries(SqlTransaction& db, std::uint32_t blogId, std::optional<std::uint32_t> categoryId);
