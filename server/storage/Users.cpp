#include "server/storage/Users.h"

#include "server/storage/RowReading.h"

namespace {

constexpr std::string_view UserColumns = "id, email, password, first_name, last_name, pro, quota, photos, created";

UserRecord ReadUser(const SqlRow& row)
{
    UserRecord user;
    user.id = Id(row, 0);
    user.email = row.Text(1);
    user.password = row.Text(2);
    user.firstName = row.Text(3);
    user.lastName = row.Text(4);
    user.pro = row.Int(5) != 0;
    user.quota = static_cast<std::uint32_t>(row.Int(6));
    user.photos = row.Int(7);
    user.created = row.Int(8);
    return user;
}

std::string Select(std::string_view where)
{
    return "SELECT " + std::string(UserColumns) + " FROM users " + std::string(where);
}

}

std::string LowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

std::string UserRecord::DisplayName() const
{
    return DisplayNameOf(firstName, lastName, email);
}

std::string DisplayNameOf(const std::string& firstName, const std::string& lastName, const std::string& email)
{
    std::string name = firstName;
    if (!lastName.empty())
        name += (name.empty() ? "" : " ") + lastName;
    if (!name.empty())
        return name;
    return email.substr(0, email.find('@'));
}

ErrorOr<std::optional<UserRecord>> FindUserByEmail(SqlTransaction& db, std::string_view email)
{
    static const std::string sql = Select("WHERE email_key = ?");
    return FirstRecord<UserRecord>(db.Query(sql, { LowerAscii(email) }), ReadUser);
}

ErrorOr<std::optional<UserRecord>> FindUserById(SqlTransaction& db, std::uint32_t id)
{
    static const std::string sql = Select("WHERE id = ?");
    return FirstRecord<UserRecord>(db.Query(sql, { Number(id) }), ReadUser);
}

ErrorOr<UserRecord> CreateUser(SqlTransaction& db, const NewUser& user, std::int64_t now)
{
    auto rows = db.Query("INSERT INTO users (email, email_key, password, first_name, last_name, pro, quota, created)"
                         " VALUES (?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (email_key) DO NOTHING RETURNING id",
        { user.email, LowerAscii(user.email), user.password, user.firstName, user.lastName, Number(user.pro ? 1 : 0),
            Number(user.quota), Number(now) });
    if (rows.IsError())
        return rows.GetError();
    if (rows->empty())
        return Error::AlreadyExists;
    UserRecord record;
    record.id = Id(rows->front(), 0);
    record.email = user.email;
    record.password = user.password;
    record.firstName = user.firstName;
    record.lastName = user.lastName;
    record.pro = user.pro;
    record.quota = user.quota;
    record.created = now;
    return record;
}

ErrorOr<std::vector<UserRecord>> ListUsers(SqlTransaction& db)
{
    static const std::string sql = Select("ORDER BY id");
    return AllRecords<UserRecord>(db.Query(sql), ReadUser);
}

// One row changes, rather than the user's entries being counted: a count
// reads every entry, so that under serializable transactions uploads to
// any two blogs would conflict.
ErrorOr<bool> TakePhotoPlace(SqlTransaction& db, std::uint32_t userId)
{
    if (ErrorCode code = db.Execute("UPDATE users SET photos = photos + 1 WHERE id = ? AND (pro <> 0 OR photos < quota)", { Number(userId) });
        code != Error::Success)
        return ErrorOr<bool>::FromError(code);
    return db.ChangedRows() == 1;
}

ErrorCode FreePhotoPlace(SqlTransaction& db, std::uint32_t userId)
{
    return db.Execute("UPDATE users SET photos = photos - 1 WHERE id = ? AND photos > 0", { Number(userId) });
}

ErrorOr<std::vector<std::string>> ListRemoteBlogs(SqlTransaction& db, std::uint32_t userId)
{
    return AllRecords<std::string>(db.Query("SELECT name FROM remote_blogs WHERE user_id = ? ORDER BY name", { Number(userId) }),
        [](const SqlRow& row) { return row.Text(0); });
}

ErrorCode AddRemoteBlog(SqlTransaction& db, std::uint32_t userId, const std::string& name)
{
    return db.Execute("INSERT INTO remote_blogs (user_id, name) VALUES (?, ?) ON CONFLICT DO NOTHING", { Number(userId), name });
}
