#pragma once

#include "server/storage/Records.h"
#include "server/storage/SqlDatabase.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct NewUser {
    std::string email;
    std::string password;
    std::string firstName;
    std::string lastName;
    bool pro { false };
    std::uint32_t quota { 0 };
};

// E-mail addresses are unique without regard to case.
ErrorOr<std::optional<UserRecord>> FindUserByEmail(SqlTransaction& db, std::string_view email);
ErrorOr<std::optional<UserRecord>> FindUserById(SqlTransaction& db, std::uint32_t id);
// Fails with AlreadyExists when the address is taken.
ErrorOr<UserRecord> CreateUser(SqlTransaction& db, const NewUser& user, std::int64_t now);
ErrorOr<std::vector<UserRecord>> ListUsers(SqlTransaction& db);

// Photos in the live entries of every blog the user owns: what the quota
// counts.
ErrorOr<std::int64_t> CountPhotosOwnedBy(SqlTransaction& db, std::uint32_t userId);

// The names of the other weblogs a user can post entries to.
ErrorOr<std::vector<std::string>> ListRemoteBlogs(SqlTransaction& db, std::uint32_t userId);
ErrorCode AddRemoteBlog(SqlTransaction& db, std::uint32_t userId, const std::string& name);

std::string LowerAscii(std::string_view text);
