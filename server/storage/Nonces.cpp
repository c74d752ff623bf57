#include "server/storage/Nonces.h"

#include "server/storage/RowReading.h"

ErrorOr<bool> RecordNonce(SqlTransaction& db, const std::string& nonce, std::int64_t now)
{
    // A plain insert that the key refuses, rather than a look first: a look
    // would be a read of the key's neighbourhood, which every other request
    // writes into, and make serializable requests conflict with each other
    // for nothing. The savepoint keeps the transaction going after a
    // refusal.
    if (ErrorCode code = db.Execute("SAVEPOINT nonce"); code != Error::Success)
        return ErrorOr<bool>::FromError(code);
    ErrorCode inserted = db.Execute("INSERT INTO nonces (nonce, seen) VALUES (?, ?)", { nonce, Number(now) });
    if (inserted == Error::AlreadyExists) {
        if (ErrorCode code = db.Execute("ROLLBACK TO nonce"); code != Error::Success)
            return ErrorOr<bool>::FromError(code);
    } else if (inserted != Error::Success) {
        return ErrorOr<bool>::FromError(inserted);
    }
    if (ErrorCode code = db.Execute("RELEASE nonce"); code != Error::Success)
        return ErrorOr<bool>::FromError(code);
    return inserted == Error::Success;
}
