#pragma once

#include "server/storage/SqlDatabase.h"

#include <cstdint>
#include <string>

// The change stamps of an engine that runs one writer at a time
// (ChangeStamps.h): the server's clock in seconds, but never smaller than
// the last stamp handed out, which it becomes. Changes and feed reads alike
// take their stamp here, under the write lock.
ErrorOr<std::int64_t> TakeSerializedStamp(SqlTransaction& db, std::int64_t now);

// The oldest stamp from which the feed still holds every deletion: the
// moment the database was made, later the cut-off of the last purge.
ErrorOr<std::int64_t> DeletionsKeptSince(SqlTransaction& db);

// Once in a while: forgets deletions older than keepSeconds and nonces too
// old to be accepted again.
ErrorCode RunHousekeeping(SqlTransaction& db, std::int64_t now, std::int64_t keepSeconds);

// A random secret made with the database, for signing what the web pages
// hand to browsers.
ErrorOr<std::string> SiteSecret(SqlTransaction& db);

// Makes the values above for a new database (keeps those of an old one).
ErrorCode InitializeServiceMeta(SqlTransaction& db, std::int64_t now);

// Meta values by name ("" when missing).
ErrorOr<std::string> ReadMeta(SqlTransaction& db, const std::string& name);
ErrorCode WriteMeta(SqlTransaction& db, const std::string& name, const std::string& value);
