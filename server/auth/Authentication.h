#pragma once

#include "server/soap/ServiceRequest.h"
#include "server/storage/Records.h"
#include "server/storage/SqlDatabase.h"

#include <optional>

// Why a digest was refused, for the log only: the device always hears
// "Invalid Authentication" (or, for a view password, "Enter valid viewer
// password"), so that a stranger learns nothing about which part was wrong.
enum class DigestFault {
    None,
    UnknownUser,
    WrongPassword,
    BadCreatedTime,
    OutsideTimeWindow,
    BadNonce,
    ReplayedNonce,
};

const char* DigestFaultName(DigestFault fault);

// A created time this far from the server's clock, either way, is refused.
constexpr std::int64_t DigestTimeWindowSeconds = 15 * 60;

struct Authentication {
    std::optional<UserRecord> user; // set when accepted
    DigestFault fault { DigestFault::None };
};

enum class NonceUse {
    Record, // the request's transaction: the nonce is used up
    Check,  // a look ahead that changes nothing
};

// Checks user, digest, created time and nonce, in that order.
ErrorOr<Authentication> Authenticate(SqlTransaction& db, const Credentials& credentials, std::int64_t now, NonceUse use);

// Checks the viewer-password digest of a changes request against a blog's
// view password.
ErrorOr<DigestFault> CheckViewerDigest(SqlTransaction& db, const ViewerCredentials& credentials, const std::string& viewPassword,
    std::int64_t now, NonceUse use);
