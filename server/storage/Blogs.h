#pragma once

#include "server/storage/Records.h"
#include "server/storage/SqlDatabase.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Blog URL names are unique without regard to case.
ErrorOr<std::optional<BlogRecord>> FindBlogByName(SqlTransaction& db, std::string_view name);
ErrorOr<std::optional<BlogRecord>> FindBlogById(SqlTransaction& db, std::uint32_t id);
// Fails with AlreadyExists when the name is taken.
ErrorOr<BlogRecord> CreateBlog(SqlTransaction& db, const BlogRecord& blog, std::int64_t stamp);
// Writes every setting of the record (title, subtitle, the flags and the
// view password) and stamps the blog as changed.
ErrorCode UpdateBlog(SqlTransaction& db, const BlogRecord& blog, std::int64_t stamp);
ErrorOr<std::vector<BlogRecord>> ListBlogs(SqlTransaction& db);
// Blogs anyone may find: neither hidden nor password protected.
ErrorOr<std::vector<BlogRecord>> ListPublicBlogs(SqlTransaction& db);

// Group membership.
ErrorOr<bool> IsMember(SqlTransaction& db, std::uint32_t blogId, std::uint32_t userId);
ErrorCode AddMember(SqlTransaction& db, std::uint32_t blogId, std::uint32_t userId);

// Read-only subscriptions of users to other users' blogs.
ErrorCode Subscribe(SqlTransaction& db, std::uint32_t userId, std::uint32_t blogId, std::int64_t now);
ErrorCode Unsubscribe(SqlTransaction& db, std::uint32_t userId, std::uint32_t blogId);
ErrorOr<bool> IsSubscribed(SqlTransaction& db, std::uint32_t userId, std::uint32_t blogId);
ErrorOr<std::vector<std::uint32_t>> ListSubscriptions(SqlTransaction& db, std::uint32_t userId);

// Every blog a user owns, is a member of or subscribes to, each once:
// owned blogs first, then the others, each group by name.
ErrorOr<std::vector<BlogRecord>> ListBlogsOfUser(SqlTransaction& db, std::uint32_t userId);
