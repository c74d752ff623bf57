#pragma once

#include <cstdint>

// Ids of the service are unsigned 32-bit numbers; 0 means "none yet".
namespace BlogIds {

// The pseudo-category "Unfiled"; never stored as a category.
constexpr std::uint32_t Unfiled = 0;
// Category ids from here up are made on the device, never by the service.
constexpr std::uint32_t FirstLocalCategory = 0xFFFFFF00;
// The two highest ids stand for "all categories" in the category filter.
constexpr std::uint32_t AllCategoriesLow = 0xFFFFFFFE;
constexpr std::uint32_t AllCategories = 0xFFFFFFFF;

}
