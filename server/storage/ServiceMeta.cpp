#include "server/storage/ServiceMeta.h"

#include "server/storage/RowReading.h"

#include <charconv>
#include <openssl/rand.h>

namespace {

// Housekeeping runs at most this often.
constexpr std::int64_t HousekeepingInterval = 600;
// Nonces are kept well past the 15 minutes a created time stays acceptable
// on either side of the clock.
constexpr std::int64_t NonceKeepSeconds = 3600;

std::int64_t ParseNumber(const std::string& text)
{
    std::int64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

ErrorOr<std::int64_t> ReadNumberMeta(SqlTransaction& db, const std::string& name)
{
    auto text = ReadMeta(db, name);
    if (text.IsError())
        return ErrorOr<std::int64_t>::FromError(text.GetError());
    return ParseNumber(*text);
}

ErrorCode InsertMetaIfMissing(SqlTransaction& db, const std::string& name, const std::string& value)
{
    return db.Execute("INSERT INTO meta (name, value) VALUES (?, ?) ON CONFLICT DO NOTHING", { name, value });
}

}

ErrorOr<std::string> ReadMeta(SqlTransaction& db, const std::string& name)
{
    auto rows = db.Query("SELECT value FROM meta WHERE name = ?", { name });
    if (rows.IsError())
        return rows.GetError();
    return rows->empty() ? std::string() : rows->front().Text(0);
}

ErrorCode WriteMeta(SqlTransaction& db, const std::string& name, const std::string& value)
{
    return db.Execute("INSERT INTO meta (name, value) VALUES (?, ?) ON CONFLICT (name) DO UPDATE SET value = excluded.value", { name, value });
}

ErrorOr<std::int64_t> TakeSerializedStamp(SqlTransaction& db, std::int64_t now)
{
    auto last = ReadNumberMeta(db, "last_stamp");
    if (last.IsError())
        return last;
    if (now <= *last)
        return *last;
    if (ErrorCode code = WriteMeta(db, "last_stamp", std::to_string(now)); code != Error::Success)
        return ErrorOr<std::int64_t>::FromError(code);
    return now;
}

ErrorOr<std::int64_t> DeletionsKeptSince(SqlTransaction& db)
{
    return ReadNumberMeta(db, "deletions_kept_since");
}

ErrorCode RunHousekeeping(SqlTransaction& db, std::int64_t now, std::int64_t keepSeconds)
{
    auto last = ReadNumberMeta(db, "last_housekeeping");
    if (last.IsError())
        return last.GetError();
    if (now - *last < HousekeepingInterval && now >= *last)
        return Error::Success;
    if (ErrorCode code = db.Execute("DELETE FROM nonces WHERE seen < ?", { Number(now - NonceKeepSeconds) }); code != Error::Success)
        return code;
    std::int64_t cutoff = now - keepSeconds;
    auto keptSince = DeletionsKeptSince(db);
    if (keptSince.IsError())
        return keptSince.GetError();
    if (cutoff > *keptSince) {
        // Comments before entries: a comment's tombstone may point at an
        // entry's.
        for (const char* sql : { "DELETE FROM comments WHERE deleted = 1 AND changed < ?",
                 "DELETE FROM comments WHERE entry_id IN (SELECT id FROM entries WHERE deleted = 1 AND changed < ?)",
                 "DELETE FROM entries WHERE deleted = 1 AND changed < ?",
                 "DELETE FROM categories WHERE deleted = 1 AND changed < ?" }) {
            if (ErrorCode code = db.Execute(sql, { Number(cutoff) }); code != Error::Success)
                return code;
        }
        if (ErrorCode code = WriteMeta(db, "deletions_kept_since", std::to_string(cutoff)); code != Error::Success)
            return code;
    }
    return WriteMeta(db, "last_housekeeping", std::to_string(now));
}

ErrorOr<std::string> SiteSecret(SqlTransaction& db)
{
    return ReadMeta(db, "site_secret");
}

ErrorCode InitializeServiceMeta(SqlTransaction& db, std::int64_t now)
{
    unsigned char random[32];
    if (RAND_bytes(random, sizeof random) != 1)
        return Error::GeneralFailure;
    static const char digits[] = "0123456789abcdef";
    std::string secret;
    for (unsigned char byte : random) {
        secret += digits[byte >> 4];
        secret += digits[byte & 15];
    }
    for (auto [name, value] : { std::pair<std::string, std::string> { "created", std::to_string(now) },
             { "deletions_kept_since", std::to_string(now) }, { "last_stamp", "0" }, { "last_housekeeping", std::to_string(now) },
             { "site_secret", secret } }) {
        if (ErrorCode code = InsertMetaIfMissing(db, name, value); code != Error::Success)
            return code;
    }
    return Error::Success;
}
