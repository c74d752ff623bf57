#include "server/storage/Comments.h"

#include "server/storage/RowReading.h"

namespace {

constexpr std::string_view CommentColumns
    = "SELECT comments.id, comments.blog_id, comments.entry_id, comments.author_id, users.first_name, users.last_name, users.email,"
      " comments.text, comments.written, comments.deleted, comments.changed"
      " FROM comments JOIN users ON users.id = comments.author_id ";

CommentRecord ReadComment(const SqlRow& row)
{
    CommentRecord comment;
    comment.id = Id(row, 0);
    comment.blogId = Id(row, 1);
    comment.entryId = Id(row, 2);
    comment.authorId = Id(row, 3);
    comment.authorName = DisplayNameOf(row.Text(4), row.Text(5), row.Text(6));
    comment.text = row.Text(7);
    comment.written = row.Int(8);
    comment.deleted = row.Int(9) != 0;
    comment.changed = row.Int(10);
    return comment;
}

std::string Select(std::string_view rest)
{
    return std::string(CommentColumns) + std::string(rest);
}

}

ErrorOr<std::optional<CommentRecord>> FindComment(SqlTransaction& db, std::uint32_t blogId, std::uint32_t id)
{
    static const std::string sql = Select("WHERE comments.id = ? AND comments.blog_id = ?");
    return FirstRecord<CommentRecord>(db.Query(sql, { Number(id), Number(blogId) }), ReadComment);
}

ErrorOr<CommentRecord> CreateComment(SqlTransaction& db, const CommentRecord& comment, std::int64_t stamp)
{
    auto rows = db.Query("INSERT INTO comments (blog_id, entry_id, author_id, text, written, changed) VALUES (?, ?, ?, ?, ?, ?) RETURNING id",
        { Number(comment.blogId), Number(comment.entryId), Number(comment.authorId), comment.text, Number(comment.written), Number(stamp) });
    if (rows.IsError())
        return rows.GetError();
    CommentRecord created = comment;
    created.id = Id(rows->front(), 0);
    created.changed = stamp;
    return created;
}

ErrorCode UpdateComment(SqlTransaction& db, const CommentRecord& comment, std::int64_t stamp)
{
    return db.Execute("UPDATE comments SET text = ?, written = ?, changed = ? WHERE id = ?",
        { comment.text, Number(comment.written), Number(stamp), Number(comment.id) });
}

ErrorCode DeleteComment(SqlTransaction& db, std::uint32_t id, std::int64_t stamp)
{
    return db.Execute("UPDATE comments SET deleted = 1, text = '', changed = ? WHERE id = ?", { Number(stamp), Number(id) });
}

ErrorOr<std::vector<CommentRecord>> ListCommentsChangedSince(SqlTransaction& db, std::uint32_t blogId, std::int64_t stamp)
{
    static const std::string sql = Select("WHERE comments.blog_id = ? AND comments.changed >= ? ORDER BY comments.id");
    return AllRecords<CommentRecord>(db.Query(sql, { Number(blogId), Number(stamp) }), ReadComment);
}

ErrorOr<std::vector<CommentRecord>> ListCommentsOfRecentEntries(SqlTransaction& db, std::uint32_t blogId, std::int64_t entryLimit)
{
    static const std::string sql = Select("WHERE comments.blog_id = ?1 AND comments.deleted = 0 AND comments.entry_id IN"
                                          " (SELECT id FROM entries WHERE blog_id = ?1 AND deleted = 0 ORDER BY posted DESC, id DESC LIMIT ?2)"
                                          " ORDER BY comments.id");
    return AllRecords<CommentRecord>(db.Query(sql, { Number(blogId), Number(entryLimit) }), ReadComment);
}

ErrorOr<std::vector<CommentRecord>> ListCommentsOfEntry(SqlTransaction& db, std::uint32_t entryId)
{
    static const std::string sql = Select("WHERE comments.entry_id = ? AND comments.deleted = 0 ORDER BY comments.written, comments.id");
    return AllRecords<CommentRecord>(db.Query(sql, { Number(entryId) }), ReadComment);
}

ErrorOr<std::int64_t> CountCommentsOfEntry(SqlTransaction& db, std::uint32_t entryId)
{
    return QueryNumber(db, "SELECT COUNT(*) FROM comments WHERE entry_id = ? AND deleted = 0", { Number(entryId) });
}
