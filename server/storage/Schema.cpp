#include "server/storage/Schema.h"

#include "server/storage/ServiceMeta.h"

#include <charconv>
#include <iterator>

// Times are seconds since 1970-01-01 UTC. "changed" columns are the change
// stamps of the changes feed (ChangeStamps.h); deleted records stay as
// tombstones (deleted = 1, their texts emptied) until the deletions are
// older than the service keeps them. Names are unique through their
// lower-case "key" columns, because lookups ignore case.
//
// The "meta" table (name, value) is made by UpgradeSchema, which keeps the
// schema's version there.
namespace {

// The tables of the first version.
const char* const FirstTables[] = {
    "CREATE TABLE IF NOT EXISTS users ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " email TEXT NOT NULL,"
    " email_key TEXT NOT NULL UNIQUE,"
    " password TEXT NOT NULL,"
    " first_name TEXT NOT NULL DEFAULT '',"
    " last_name TEXT NOT NULL DEFAULT '',"
    " pro INTEGER NOT NULL DEFAULT 0,"
    " quota INTEGER NOT NULL,"
    " created INTEGER NOT NULL)",

    "CREATE TABLE IF NOT EXISTS blogs ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " name TEXT NOT NULL,"
    " name_key TEXT NOT NULL UNIQUE,"
    " owner_id INTEGER NOT NULL REFERENCES users(id),"
    " title TEXT NOT NULL DEFAULT '',"
    " subtitle TEXT NOT NULL DEFAULT '',"
    " hidden INTEGER NOT NULL DEFAULT 0,"
    " group_blog INTEGER NOT NULL DEFAULT 0,"
    " comments_open INTEGER NOT NULL DEFAULT 1,"
    " view_password TEXT NOT NULL DEFAULT '',"
    " created INTEGER NOT NULL,"
    " changed INTEGER NOT NULL)",
    "CREATE INDEX IF NOT EXISTS blogs_by_owner ON blogs(owner_id)",

    "CREATE TABLE IF NOT EXISTS members ("
    " blog_id INTEGER NOT NULL REFERENCES blogs(id),"
    " user_id INTEGER NOT NULL REFERENCES users(id),"
    " PRIMARY KEY (blog_id, user_id))",
    "CREATE INDEX IF NOT EXISTS members_by_user ON members(user_id)",

    "CREATE TABLE IF NOT EXISTS subscriptions ("
    " user_id INTEGER NOT NULL REFERENCES users(id),"
    " blog_id INTEGER NOT NULL REFERENCES blogs(id),"
    " created INTEGER NOT NULL,"
    " PRIMARY KEY (user_id, blog_id))",

    "CREATE TABLE IF NOT EXISTS remote_blogs ("
    " user_id INTEGER NOT NULL REFERENCES users(id),"
    " name TEXT NOT NULL,"
    " PRIMARY KEY (user_id, name))",

    "CREATE TABLE IF NOT EXISTS categories ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " blog_id INTEGER NOT NULL REFERENCES blogs(id),"
    " name TEXT NOT NULL,"
    " name_key TEXT NOT NULL,"
    " deleted INTEGER NOT NULL DEFAULT 0,"
    " changed INTEGER NOT NULL)",
    "CREATE INDEX IF NOT EXISTS categories_by_blog ON categories(blog_id, changed)",

    "CREATE TABLE IF NOT EXISTS entries ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " blog_id INTEGER NOT NULL REFERENCES blogs(id),"
    " category_id INTEGER NOT NULL DEFAULT 0,"
    " poster_id INTEGER NOT NULL REFERENCES users(id),"
    " title TEXT NOT NULL DEFAULT '',"
    " caption TEXT NOT NULL DEFAULT '',"
    " posted INTEGER NOT NULL,"
    " taken INTEGER NOT NULL,"
    " photo_key TEXT NOT NULL,"
    " width INTEGER NOT NULL,"
    " height INTEGER NOT NULL,"
    " photo_bytes INTEGER NOT NULL,"
    " deleted INTEGER NOT NULL DEFAULT 0,"
    " created INTEGER NOT NULL,"
    " changed INTEGER NOT NULL)",
    "CREATE INDEX IF NOT EXISTS entries_by_change ON entries(blog_id, changed)",
    "CREATE INDEX IF NOT EXISTS entries_by_date ON entries(blog_id, deleted, posted, id)",

    "CREATE TABLE IF NOT EXISTS comments ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " blog_id INTEGER NOT NULL REFERENCES blogs(id),"
    " entry_id INTEGER NOT NULL REFERENCES entries(id),"
    " author_id INTEGER NOT NULL REFERENCES users(id),"
    " text TEXT NOT NULL DEFAULT '',"
    " written INTEGER NOT NULL,"
    " deleted INTEGER NOT NULL DEFAULT 0,"
    " changed INTEGER NOT NULL)",
    "CREATE INDEX IF NOT EXISTS comments_by_entry ON comments(entry_id, deleted)",
    "CREATE INDEX IF NOT EXISTS comments_by_change ON comments(blog_id, changed)",

    // Every nonce an authentication was accepted with, kept for longer
    // than a created time stays acceptable, so none is accepted twice.
    "CREATE TABLE IF NOT EXISTS nonces ("
    " nonce TEXT PRIMARY KEY,"
    " seen INTEGER NOT NULL)",
    "CREATE INDEX IF NOT EXISTS nonces_by_age ON nonces(seen)",

    // Photo e-mails and remote-blog posts the service was asked for. The
    // reference service sends nothing; an operator (or a later mail
    // gateway) reads them here.
    "CREATE TABLE IF NOT EXISTS outbox ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " kind TEXT NOT NULL,"
    " user_id INTEGER NOT NULL REFERENCES users(id),"
    " blog_id INTEGER NOT NULL REFERENCES blogs(id),"
    " category_id INTEGER NOT NULL,"
    " entry_id INTEGER NOT NULL,"
    " recipients TEXT NOT NULL DEFAULT '',"
    " message TEXT NOT NULL DEFAULT '',"
    " remote_blog TEXT NOT NULL DEFAULT '',"
    " title TEXT NOT NULL DEFAULT '',"
    " caption TEXT NOT NULL DEFAULT '',"
    " created INTEGER NOT NULL)",
};

// Each account's count of the photos its blogs keep, so that an upload
// checks the quota by changing one row instead of counting entries.
const char* const PhotoCounts[] = {
    "ALTER TABLE users ADD COLUMN photos INTEGER NOT NULL DEFAULT 0",
    "UPDATE users SET photos = (SELECT COUNT(*) FROM entries JOIN blogs ON blogs.id = entries.blog_id"
    " WHERE blogs.owner_id = users.id AND entries.deleted = 0)",
};

}

const std::vector<SchemaStep>& SqliteSchema()
{
    static const std::vector<SchemaStep> steps {
        SchemaStep { 1, { std::begin(FirstTables), std::end(FirstTables) } },
        SchemaStep { 2, { std::begin(PhotoCounts), std::end(PhotoCounts) } },
    };
    return steps;
}

ErrorCode UpgradeSchema(SqlTransaction& db, const std::vector<SchemaStep>& steps, std::string& problem)
{
    if (ErrorCode code = db.Execute("CREATE TABLE IF NOT EXISTS meta (name TEXT PRIMARY KEY, value TEXT NOT NULL)"); code != Error::Success) {
        problem = "cannot make the meta table";
        return code;
    }
    auto text = ReadMeta(db, "schema");
    if (text.IsError()) {
        problem = "cannot read the schema version";
        return text.GetError();
    }
    int version = 0;
    std::from_chars(text->data(), text->data() + text->size(), version);
    int newest = steps.empty() ? 0 : steps.back().version;
    if (version > newest) {
        problem = "the database was made by a newer vellumbrix-server (schema " + std::to_string(version) + "; this one knows up to "
            + std::to_string(newest) + ")";
        return Error::InvalidData;
    }
    for (const SchemaStep& step : steps) {
        if (step.version <= version)
            continue;
        for (const std::string& statement : step.statements) {
            if (ErrorCode code = db.Execute(statement); code != Error::Success) {
                problem = "cannot upgrade the database to schema " + std::to_string(step.version);
                return code;
            }
        }
    }
    if (version == newest)
        return Error::Success;
    return WriteMeta(db, "schema", std::to_string(newest));
}
