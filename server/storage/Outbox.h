#pragma once

#include "server/storage/SqlDatabase.h"

#include <string>
#include <vector>

// A photo e-mail or a post to a remote blog, kept for whoever delivers them.
struct OutboxItem {
    std::uint32_t id { 0 };
    std::string kind; // "email" or "remote-blog"
    std::uint32_t userId { 0 };
    std::uint32_t blogId { 0 };
    std::uint32_t categoryId { 0 };
    std::uint32_t entryId { 0 };
    std::string recipients; // e-mail: the addresses, one per line
    std::string message;
    std::string remoteBlog;
    std::string title;
    std::string caption;
    std::int64_t created { 0 };
};

ErrorCode AddOutboxItem(SqlTransaction& db, const OutboxItem& item);
ErrorOr<std::vector<OutboxItem>> ListOutbox(SqlTransaction& db);
