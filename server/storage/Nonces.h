#pragma once

#include "server/storage/SqlDatabase.h"

#include <string>

// Records a nonce an authentication is accepted with: true when it is new,
// false when it was seen before (a replayed request).
ErrorOr<bool> RecordNonce(SqlTransaction& db, const std::string& nonce, std::int64_t now);
