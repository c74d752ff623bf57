#include "server/auth/Authentication.h"

#include "server/auth/Digest.h"
#include "server/soap/WireText.h"
#include "server/soap/WireTime.h"
#include "server/storage/Nonces.h"
#include "server/storage/Users.h"

namespace {

bool IsAcceptableNonce(const std::string& nonce)
{
    if (nonce.empty() || nonce.size() > WireLimits::Nonce)
        return false;
    for (char c : nonce) {
        if (c <= ' ' || c > '~')
            return false;
    }
    return true;
}

// The checks shared by both digests, after the password is known.
ErrorOr<DigestFault> CheckDigest(SqlTransaction& db, const std::string& digest, const std::string& created, const std::string& nonce,
    const std::string& password, std::int64_t now, NonceUse use)
{
    if (!IsAcceptableNonce(nonce))
        return DigestFault::BadNonce;
    if (!PasswordDigestMatches(digest, nonce, created, password))
        return DigestFault::WrongPassword;
    auto moment = ParseWireTime(created);
    if (!moment)
        return DigestFault::BadCreatedTime;
    if (*moment > now + DigestTimeWindowSeconds || *moment < now - DigestTimeWindowSeconds)
        return DigestFault::OutsideTimeWindow;
    if (use == NonceUse::Record) {
        auto isNew = RecordNonce(db, nonce, now);
        if (isNew.IsError())
            return isNew.GetError();
        if (!*isNew)
            return DigestFault::ReplayedNonce;
    }
    return DigestFault::None;
}

}

const char* DigestFaultName(DigestFault fault)
{
    switch (fault) {
    case DigestFault::None:
        return "accepted";
    case DigestFault::UnknownUser:
        return "unknown user";
    case DigestFault::WrongPassword:
        return "wrong password";
    case DigestFault::BadCreatedTime:
        return "unreadable created time";
    case DigestFault::OutsideTimeWindow:
        return "created time outside the window";
    case DigestFault::BadNonce:
        return "unacceptable nonce";
    case DigestFault::ReplayedNonce:
        return "replayed nonce";
    }
    return "?";
}

ErrorOr<Authentication> Authenticate(SqlTransaction& db, const Credentials& credentials, std::int64_t now, NonceUse use)
{
    Authentication result;
    // No account has such a name, and PostgreSQL would not even look.
    if (!IsValidUtf8(credentials.email)) {
        result.fault = DigestFault::UnknownUser;
        return result;
    }
    auto user = FindUserByEmail(db, credentials.email);
    if (user.IsError())
        return user.GetError();
    if (!*user) {
        result.fault = DigestFault::UnknownUser;
        return result;
    }
    auto fault = CheckDigest(db, credentials.digest, credentials.created, credentials.nonce, (*user)->password, now, use);
    if (fault.IsError())
        return fault.GetError();
    result.fault = *fault;
    if (result.fault == DigestFault::None)
        result.user = std::move(*user);
    return result;
}

ErrorOr<DigestFault> CheckViewerDigest(SqlTransaction& db, const ViewerCredentials& credentials, const std::string& viewPassword,
    std::int64_t now, NonceUse use)
{
    return CheckDigest(db, credentials.digest, credentials.created, credentials.nonce, viewPassword, now, use);
}
