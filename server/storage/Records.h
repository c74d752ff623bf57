#pragma once

#include <cstdint>
#include <string>

// The service's records as the storage hands them out. Ids are the 32-bit
// numbers the devices keep; times are seconds since 1970-01-01 UTC.

struct UserRecord {
    std::uint32_t id { 0 };
    std::string email;
    std::string password; // the digest of every request is made with it, so it is kept as given
    std::string firstName;
    std::string lastName;
    bool pro { false };
    std::uint32_t quota { 0 }; // photos a free account may keep
    std::int64_t photos { 0 }; // photos its blogs keep now
    std::int64_t created { 0 };

    std::string DisplayName() const;
};

// "First Last", or the e-mail's local part when the account has no name.
std::string DisplayNameOf(const std::string& firstName, const std::string& lastName, const std::string& email);

struct BlogRecord {
    std::uint32_t id { 0 };
    std::string name; // the URL name as its owner spelled it
    std::uint32_t ownerId { 0 };
    std::string title;
    std::string subtitle;
    bool hidden { false };      // left out of public listings and pages
    bool group { false };       // members may post
    bool commentsOpen { true }; // readers with an account may comment
    std::string viewPassword;   // empty: not protected
    std::int64_t created { 0 };
    std::int64_t changed { 0 };

    bool IsProtected() const { return !viewPassword.empty(); }
};

struct CategoryRecord {
    std::uint32_t id { 0 };
    std::uint32_t blogId { 0 };
    std::string name;
    bool deleted { false };
    std::int64_t changed { 0 };
};

struct EntryRecord {
    std::uint32_t id { 0 };
    std::uint32_t blogId { 0 };
    std::uint32_t categoryId { 0 }; // 0: unfiled
    std::uint32_t posterId { 0 };
    std::string posterName;
    std::string title;
    std::string caption;
    std::int64_t posted { 0 };
    std::int64_t taken { 0 };
    std::string photoKey; // names the photo's files; random, so addresses can't be guessed
    std::uint32_t width { 0 };
    std::uint32_t height { 0 };
    std::uint32_t photoBytes { 0 };
    bool deleted { false };
    std::int64_t changed { 0 };
};

struct CommentRecord {
    std::uint32_t id { 0 };
    std::uint32_t blogId { 0 };
    std::uint32_t entryId { 0 };
    std::uint32_t authorId { 0 };
    std::string authorName;
    std::string text;
    std::int64_t written { 0 };
    bool deleted { false };
    std::int64_t changed { 0 };
};
