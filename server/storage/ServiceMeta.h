#pragma once

#include "server/storage/SqlDatabase.h"

#include <cstdint>
#include <string>

// Change stamps. Every record carries the stamp of the request that last
// changed it, and a changes request answers what changed at or after the
// stamp the device sends back. A stamp is the server's clock in seconds,
// but never smaller than the last stamp handed out, so a clock that steps
// back cannot hide a change. Because write transactions are serialized, a
// request that reads the feed sees every change with a stamp below its own
// and none of a later one; the equal second is sent again, which the
// devices' merge takes as a repeat.
ErrorOr<std::int64_t> CurrentStamp(SqlTransaction& db, std::int64_t now);
// The same, remembered as handed out: for a request that changes records.
ErrorOr<std::int64_t> TakeChangeStamp(SqlTransaction& db, std::int64_t now);

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
