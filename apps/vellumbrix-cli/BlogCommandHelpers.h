#pragma once

#include "model/CWinBlogUser.h"

#include <functional>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

// What the commands on the device's blogs share: the user record loaded
// from the device's data folder, finding a blog by its URL name, saving,
// and printing.
struct DeviceBlogs {
    std::unique_ptr<CWinBlogUser> user;
    CWinBlogStorage* store { nullptr };
};

enum class BlogUse {
    Read,
    // A command that changes the blog refuses a damaged store file: it
    // would save what could be read of it.
    Change,
    // Removing the blog works whatever its file holds.
    Remove,
};

// Loads the device's user record and its blogs, as the program does at
// start. A user file that cannot be read counts as no account yet (or the
// account as far as it could be read), and the command says so on stderr.
std::unique_ptr<CWinBlogUser> LoadDeviceUser(std::string_view command);

// Loads the user record and its blogs and finds the blog (URL name, any
// case). Reports a failure on stderr and sets `status` when there is none.
std::optional<DeviceBlogs> OpenDeviceBlog(std::string_view command, std::string_view urlName, BlogUse use, int& status);

// Saves the store; a failure is reported (the old file is unchanged).
int SaveStore(CWinBlogStorage& store);

// An entry as "inspect" shows it, with its position in the store's entry
// list first: the index that "delete-entry" takes.
nlohmann::ordered_json IndexedEntryJson(size_t index, const BlogEntry& entry);
// The same for some entries of a store, in store order.
nlohmann::ordered_json IndexedEntriesJson(const CWinBlogStorage& store, const std::function<bool(const BlogEntry&)>& include);

// Prints JSON on stdout; texts that are not valid UTF-8 are replaced.
void PrintJson(const nlohmann::ordered_json& json);

// A whole unsigned number within [0, maximum], or none.
std::optional<std::uint32_t> ParseNumber(std::string_view text, std::uint32_t maximum);
