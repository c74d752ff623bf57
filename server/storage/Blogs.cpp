#include "server/storage/Blogs.h"

#include "server/storage/RowReading.h"
#include "server/storage/Users.h"

namespace {

constexpr std::string_view BlogColumns = "blogs.id, blogs.name, blogs.owner_id, blogs.title, blogs.subtitle, blogs.hidden,"
                                         " blogs.group_blog, blogs.comments_open, blogs.view_password, blogs.created, blogs.changed";

BlogRecord ReadBlog(const SqlRow& row)
{
    BlogRecord blog;
    blog.id = Id(row, 0);
    blog.name = row.Text(1);
    blog.ownerId = Id(row, 2);
    blog.title = row.Text(3);
    blog.subtitle = row.Text(4);
    blog.hidden = row.Int(5) != 0;
    blog.group = row.Int(6) != 0;
    blog.commentsOpen = row.Int(7) != 0;
    blog.viewPassword = row.Text(8);
    blog.created = row.Int(9);
    blog.changed = row.Int(10);
    return blog;
}

std::string Select(std::string_view rest)
{
    return "SELECT " + std::string(BlogColumns) + " FROM blogs " + std::string(rest);
}

}

ErrorOr<std::optional<BlogRecord>> FindBlogByName(SqlTransaction& db, std::string_view name)
{
    static const std::string sql = Select("WHERE name_key = ?");
    return FirstRecord<BlogRecord>(db.Query(sql, { LowerAscii(name) }), ReadBlog);
}

ErrorOr<std::optional<BlogRecord>> FindBlogById(SqlTransaction& db, std::uint32_t id)
{
    static const std::string sql = Select("WHERE id = ?");
    return FirstRecord<BlogRecord>(db.Query(sql, { Number(id) }), ReadBlog);
}

ErrorOr<BlogRecord> CreateBlog(SqlTransaction& db, const BlogRecord& blog, std::int64_t stamp)
{
    auto rows = db.Query("INSERT INTO blogs (name, name_key, owner_id, title, subtitle, hidden, group_blog, comments_open,"
                         " view_password, created, changed) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
                         " ON CONFLICT (name_key) DO NOTHING RETURNING id",
        { blog.name, LowerAscii(blog.name), Number(blog.ownerId), blog.title, blog.subtitle, Number(blog.hidden),
            Number(blog.group), Number(blog.commentsOpen), blog.viewPassword, Number(stamp), Number(stamp) });
    if (rows.IsError())
        return rows.GetError();
    if (rows->empty())
        return Error::AlreadyExists;
    BlogRecord created = blog;
    created.id = Id(rows->front(), 0);
    created.created = stamp;
    created.changed = stamp;
    return created;
}

ErrorCode UpdateBlog(SqlTransaction& db, const BlogRecord& blog, std::int64_t stamp)
{
    return db.Execute("UPDATE blogs SET title = ?, subtitle = ?, hidden = ?, group_blog = ?, comments_open = ?,"
                      " view_password = ?, changed = ? WHERE id = ?",
        { blog.title, blog.subtitle, Number(blog.hidden), Number(blog.group), Number(blog.commentsOpen), blog.viewPassword,
            Number(stamp), Number(blog.id) });
}

ErrorOr<std::vector<BlogRecord>> ListBlogs(SqlTransaction& db)
{
    static const std::string sql = Select("ORDER BY name_key");
    return AllRecords<BlogRecord>(db.Query(sql), ReadBlog);
}

ErrorOr<std::vector<BlogRecord>> ListPublicBlogs(SqlTransaction& db)
{
    static const std::string sql = Select("WHERE hidden = 0 AND view_password = '' ORDER BY name_key");
    return AllRecords<BlogRecord>(db.Query(sql), ReadBlog);
}

ErrorOr<bool> IsMember(SqlTransaction& db, std::uint32_t blogId, std::uint32_t userId)
{
    auto count = QueryNumber(db, "SELECT COUNT(*) FROM members WHERE blog_id = ? AND user_id = ?", { Number(blogId), Number(userId) });
    if (count.IsError())
        return ErrorOr<bool>::FromError(count.GetError());
    return *count > 0;
}

ErrorCode AddMember(SqlTransaction& db, std::uint32_t blogId, std::uint32_t userId)
{
    return db.Execute("INSERT INTO members (blog_id, user_id) VALUES (?, ?) ON CONFLICT DO NOTHING", { Number(blogId), Number(userId) });
}

ErrorCode Subscribe(SqlTransaction& db, std::uint32_t userId, std::uint32_t blogId, std::int64_t now)
{
    return db.Execute("INSERT INTO subscriptions (user_id, blog_id, created) VALUES (?, ?, ?) ON CONFLICT DO NOTHING",
        { Number(userId), Number(blogId), Number(now) });
}

ErrorCode Unsubscribe(SqlTransaction& db, std::uint32_t userId, std::uint32_t blogId)
{
    return db.Execute("DELETE FROM subscriptions WHERE user_id = ? AND blog_id = ?", { Number(userId), Number(blogId) });
}

ErrorOr<bool> IsSubscribed(SqlTransaction& db, std::uint32_t userId, std::uint32_t blogId)
{
    auto count = QueryNumber(db, "SELECT COUNT(*) FROM subscriptions WHERE user_id = ? AND blog_id = ?", { Number(userId), Number(blogId) });
    if (count.IsError())
        return ErrorOr<bool>::FromError(count.GetError());
    return *count > 0;
}

ErrorOr<std::vector<std::uint32_t>> ListSubscriptions(SqlTransaction& db, std::uint32_t userId)
{
    return AllRecords<std::uint32_t>(db.Query("SELECT blog_id FROM subscriptions WHERE user_id = ? ORDER BY blog_id", { Number(userId) }),
        [](const SqlRow& row) { return Id(row, 0); });
}

ErrorOr<std::vector<BlogRecord>> ListBlogsOfUser(SqlTransaction& db, std::uint32_t userId)
{
    static const std::string sql = Select(
        "WHERE owner_id = ?1"
        " OR id IN (SELECT blog_id FROM members WHERE user_id = ?1)"
        " OR id IN (SELECT blog_id FROM subscriptions WHERE user_id = ?1)"
        " ORDER BY CASE WHEN owner_id = ?1 THEN 0 ELSE 1 END, name_key");
    return AllRecords<BlogRecord>(db.Query(sql, { Number(userId) }), ReadBlog);
}
