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

// The quota counts the photos of the live entries of every blog the user
// owns, kept with the user as each entry comes and goes.
//
// A place for one more photo of the user's blogs: false when a free
// account has its quota's worth already.
ErrorOr<bool> TakePhotoPlace(SqlTransaction& db, std::uint32_t userId);
// The place of a photo whose entry is deleted.
ErrorCode FreePhotoPlace(SqlTransaction& db, std::uint32_t userId);

// The names of the other weblogs a user can post entries to.
ErrorOr<std::vector<std::string>> ListRemoteBlogs(SqlTransaction& db, std::uint32_t userId);
ErrorCode AddRemoteBlog(SqlTransaction& db, std::uint32_t userId, const std::string& name);

std::string LowerAscii(std::string_view text);
