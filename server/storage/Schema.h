#pragma once

#include "server/storage/SqlDatabase.h"

#include <string>
#include <vector>

// The service's tables, as a list of numbered steps: a new database runs
// them all, an older one the steps after its version (the "schema" meta
// value). Each engine has its own text of the same tables.
struct SchemaStep {
    int version { 0 };
    std::vector<std::string> statements;
};

const std::vector<SchemaStep>& SqliteSchema();
const std::vector<SchemaStep>& PostgresSchema();

// Brings the database up to the last step, in the caller's transaction
// (which the engine has made the only one doing this). A database made by
// a newer server is refused, with `problem` saying so.
ErrorCode UpgradeSchema(SqlTransaction& db, const std::vector<SchemaStep>& steps, std::string& problem);
