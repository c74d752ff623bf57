#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class LocalBlogStorage;

// An item of a dialog's category list: its text and the category id it
// carries.
struct CategoryItem {
    std::u16string text;
    std::uint32_t id { 0 };
};

// The blog's categories in the store's order, then "Unfiled" (string 166,
// id 0): the list of the edit entry and categorize dialogs.
std::vector<CategoryItem> BlogCategoryItems(const LocalBlogStorage& store);

// The first item carrying the id (so id 0 finds "Unfiled"); none when no
// item does.
std::optional<size_t> FindCategoryItem(const std::vector<CategoryItem>& items, std::uint32_t id);

// String 166.
inline constexpr unsigned kUnfiledText = 166;
