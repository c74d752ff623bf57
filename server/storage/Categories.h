#pragma once

#include "server/storage/Records.h"
#include "server/storage/SqlDatabase.h"

#include <optional>
#include <string_view>
#include <vector>

// Category ids stay below this: the devices use the ids from here up for
// categories they made themselves.
constexpr std::uint32_t FirstDeviceCategoryId = 0xFFFFFF00u;

ErrorOr<std::optional<CategoryRecord>> FindCategory(SqlTransaction& db, std::uint32_t blogId, std::uint32_t id);
// A live category of the blog with this name, ignoring case.
ErrorOr<std::optional<CategoryRecord>> FindCategoryByName(SqlTransaction& db, std::uint32_t blogId, std::string_view name);
ErrorOr<CategoryRecord> CreateCategory(SqlTransaction& db, std::uint32_t blogId, const std::string& name, std::int64_t stamp);
ErrorCode RenameCategory(SqlTransaction& db, std::uint32_t id, const std::string& name, std::int64_t stamp);
// Marks the category deleted and files its entries as unfiled (stamped, so
// that devices learn of the move).
ErrorCode DeleteCategory(SqlTransaction& db, std::uint32_t id, std::int64_t stamp);

// Live categories of the blog by name; with a stamp, every category changed
// at or after it instead, deleted ones included.
ErrorOr<std::vector<CategoryRecord>> ListCategories(SqlTransaction& db, std::uint32_t blogId, std::optional<std::int64_t> changedSince = {});
