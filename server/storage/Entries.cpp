#include "server/storage/Entries.h"

#include "server/storage/RowReading.h"

namespace {

constexpr std::string_view EntryColumns
    = "SELECT entries.id, entries.blog_id, entries.category_id, entries.poster_id, users.first_name, users.last_name, users.email,"
      " entries.title, entries.caption, entries.posted, entries.taken, entries.photo_key, entries.width, entries.height,"
      " entries.photo_bytes, entries.deleted, entries.changed"
      " FROM entries JOIN users ON users.id = entries.poster_id ";

EntryRecord ReadEntry(const SqlRow& row)
{
    EntryRecord entry;
    entry.id = Id(row, 0);
    entry.blogId = Id(row, 1);
    entry.categoryId = Id(row, 2);
    entry.posterId = Id(row, 3);
    entry.posterName = DisplayNameOf(row.Text(4), row.Text(5), row.Text(6));
    entry.title = row.Text(7);
    entry.caption = row.Text(8);
    entry.posted = row.Int(9);
    entry.taken = row.Int(10);
    entry.photoKey = row.Text(11);
    entry.width = Id(row, 12);
    entry.height = Id(row, 13);
    entry.photoBytes = Id(row, 14);
    entry.deleted = row.Int(15) != 0;
    entry.changed = row.Int(16);
    return entry;
}

std::string Select(std::string_view rest)
{
    return std::string(EntryColumns) + std::string(rest);
}

}

ErrorOr<std::optional<EntryRecord>> FindEntry(SqlTransaction& db, std::uint32_t blogId, std::uint32_t id)
{
    static const std::string sql = Select("WHERE entries.id = ? AND entries.blog_id = ?");
    return FirstRecord<EntryRecord>(db.Query(sql, { Number(id), Number(blogId) }), ReadEntry);
}

ErrorOr<EntryRecord> CreateEntry(SqlTransaction& db, const EntryRecord& entry, std::int64_t stamp)
{
    auto rows = db.Query("INSERT INTO entries (blog_id, category_id, poster_id, title, caption, posted, taken, photo_key,"
                         " width, height, photo_bytes, created, changed) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id",
        { Number(entry.blogId), Number(entry.categoryId), Number(entry.posterId), entry.title, entry.caption, Number(entry.posted),
            Number(entry.taken), entry.photoKey, Number(entry.width), Number(entry.height), Number(entry.photoBytes), Number(stamp),
            Number(stamp) });
    if (rows.IsError())
        return rows.GetError();
    EntryRecord created = entry;
    created.id = Id(rows->front(), 0);
    created.changed = stamp;
    return created;
}

ErrorCode UpdateEntry(SqlTransaction& db, const EntryRecord& entry, std::int64_t stamp)
{
    return db.Execute("UPDATE entries SET category_id = ?, title = ?, caption = ?, posted = ?, taken = ?, changed = ? WHERE id = ?",
        { Number(entry.categoryId), entry.title, entry.caption, Number(entry.posted), Number(entry.taken), Number(stamp), Number(entry.id) });
}

ErrorCode DeleteEntry(SqlTransaction& db, std::uint32_t id, std::int64_t stamp)
{
    if (ErrorCode code = db.Execute("UPDATE entries SET deleted = 1, title = '', caption = '', changed = ? WHERE id = ?", { Number(stamp), Number(id) });
        code != Error::Success)
        return code;
    return db.Execute("UPDATE comments SET deleted = 1, text = '', changed = ? WHERE entry_id = ? AND deleted = 0", { Number(stamp), Number(id) });
}

ErrorOr<std::vector<EntryRecord>> ListEntriesChangedSince(SqlTransaction& db, std::uint32_t blogId, std::int64_t stamp)
{
    static const std::string sql = Select("WHERE entries.blog_id = ? AND entries.changed >= ? ORDER BY entries.posted DESC, entries.id DESC");
    return AllRecords<EntryRecord>(db.Query(sql, { Number(blogId), Number(stamp) }), ReadEntry);
}

ErrorOr<std::vector<EntryRecord>> ListRecentEntries(SqlTransaction& db, std::uint32_t blogId, const EntryPage& page)
{
    if (page.categoryId) {
        static const std::string sql = Select("WHERE entries.blog_id = ? AND entries.deleted = 0 AND entries.category_id = ?"
                                              " ORDER BY entries.posted DESC, entries.id DESC LIMIT ? OFFSET ?");
        return AllRecords<EntryRecord>(db.Query(sql, { Number(blogId), Number(*page.categoryId), Number(page.limit), Number(page.offset) }), ReadEntry);
    }
    static const std::string sql = Select("WHERE entries.blog_id = ? AND entries.deleted = 0"
                                          " ORDER BY entries.posted DESC, entries.id DESC LIMIT ? OFFSET ?");
    return AllRecords<EntryRecord>(db.Query(sql, { Number(blogId), Number(page.limit), Number(page.offset) }), ReadEntry);
}

ErrorOr<std::int64_t> CountEntries(SqlTransaction& db, std::uint32_t blogId, std::optional<std::uint32_t> categoryId)
{
    if (categoryId)
        return QueryNumber(db, "SELECT COUNT(*) FROM entries WHERE blog_id = ? AND deleted = 0 AND category_id = ?", { Number(blogId), Number(*categoryId) });
    return QueryNumber(db, "SELECT COUNT(*) FROM entries WHERE blog_id = ? AND deleted = 0", { Number(blogId) });
}
