#include "server/storage/Nonces.h"

#include "server/storage/RowReading.h"

ErrorOr<bool> RecordNonce(SqlTransaction& db, const std::string& nonce, std::int64_t now)
{
    if (ErrorCode code = db.Execute("INSERT INTO nonces (nonce, seen) VALUES (?, ?) ON CONFLICT DO NOTHING", { nonce, Number(now) });
        code != Error::Success)
        return ErrorOr<bool>::FromError(code);
    return db.ChangedRows() == 1;
}
