#include "server/storage/Categories.h"

#include "server/storage/RowReading.h"
#include "server/storage/Users.h"

namespace {

constexpr std::string_view CategoryColumns = "SELECT id, blog_id, name, deleted, changed FROM categories ";

CategoryRecord ReadCategory(const SqlRow& row)
{
    CategoryRecord category;
    category.id = Id(row, 0);
    category.blogId = Id(row, 1);
    category.name = row.Text(2);
    category.deleted = row.Int(3) != 0;
    category.changed = row.Int(4);
    return category;
}

std::string Select(std::string_view rest)
{
    return std::string(CategoryColumns) + std::string(rest);
}

}

ErrorOr<std::optional<CategoryRecord>> FindCategory(SqlTransaction& db, std::uint32_t blogId, std::uint32_t id)
{
    static const std::string sql = Select("WHERE id = ? AND blog_id = ?");
    return FirstRecord<CategoryRecord>(db.Query(sql, { Number(id), Number(blogId) }), ReadCategory);
}

ErrorOr<std::optional<CategoryRecord>> FindCategoryByName(SqlTransaction& db, std::uint32_t blogId, std::string_view name)
{
    static const std::string sql = Select("WHERE blog_id = ? AND name_key = ? AND deleted = 0 ORDER BY id LIMIT 1");
    return FirstRecord<CategoryRecord>(db.Query(sql, { Number(blogId), LowerAscii(name) }), ReadCategory);
}

ErrorOr<CategoryRecord> CreateCategory(SqlTransaction& db, std::uint32_t blogId, const std::string& name, std::int64_t stamp)
{
    auto rows = db.Query("INSERT INTO categories (blog_id, name, name_key, changed) VALUES (?, ?, ?, ?) RETURNING id",
        { Number(blogId), name, LowerAscii(name), Number(stamp) });
    if (rows.IsError())
        return rows.GetError();
    CategoryRecord category;
    category.id = Id(rows->front(), 0);
    if (category.id == 0 || category.id >= FirstDeviceCategoryId)
        return Error::DiskFull; // the id space is used up
    category.blogId = blogId;
    category.name = name;
    category.changed = stamp;
    return category;
}

ErrorCode RenameCategory(SqlTransaction& db, std::uint32_t id, const std::string& name, std::int64_t stamp)
{
    return db.Execute("UPDATE categories SET name = ?, name_key = ?, changed = ? WHERE id = ?", { name, LowerAscii(name), Number(stamp), Number(id) });
}

ErrorCode DeleteCategory(SqlTransaction& db, std::uint32_t id, std::int64_t stamp)
{
    // The name stays: devices pass over a category record without one, so
    // a nameless deletion would never reach them.
    if (ErrorCode code = db.Execute("UPDATE categories SET deleted = 1, changed = ? WHERE id = ?", { Number(stamp), Number(id) });
        code != Error::Success)
        return code;
    return db.Execute("UPDATE entries SET category_id = 0, changed = ? WHERE category_id = ? AND deleted = 0", { Number(stamp), Number(id) });
}

ErrorOr<std::vector<CategoryRecord>> ListCategories(SqlTransaction& db, std::uint32_t blogId, std::optional<std::int64_t> changedSince)
{
    if (changedSince) {
        static const std::string sql = Select("WHERE blog_id = ? AND changed >= ? ORDER BY id");
        return AllRecords<CategoryRecord>(db.Query(sql, { Number(blogId), Number(*changedSince) }), ReadCategory);
    }
    static const std::string sql = Select("WHERE blog_id = ? AND deleted = 0 ORDER BY name_key, id");
    return AllRecords<CategoryRecord>(db.Query(sql, { Number(blogId) }), ReadCategory);
}
