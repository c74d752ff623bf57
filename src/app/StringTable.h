#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The program's string table: every text the user can see, by id, as UTF-8.
using StringId = std::uint32_t;

struct StringTableEntry {
    StringId id;
    std::string_view text;
};

// The text of a string id; empty for an id the table does not hold.
std::string_view LoadString(StringId id);
bool HasString(StringId id);
// The whole table, sorted by id.
std::span<const StringTableEntry> AllStrings();
