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

// A new blog joins the user's list, as the add-blog step of the main view
// does: its store saved, then put in the list. A store that cannot be
// saved has said so (message 6002) and is not added (ExitFailure).
int AddDeviceBlog(CWinBlogUser& user, std::unique_ptr<CWinBlogStorage> store);

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

// A photo size code from `minimum` to 7, given as its number or its name
// in the download size list ("thumbnails", "480x360", "full size"; case
// ignored); none for anything else.
std::optional<std::uint16_t> ParsePhotoSize(std::string_view text, std::uint16_t minimum);
// The names of those sizes, for a usage message.
std::string PhotoSizeNames(std::uint16_t minimum);

// The account as the user record holds it: user id, e-mail, account type,
// photo quota, the URL names of the account's blogs and its remote blogs.
nlohmann::ordered_json AccountJson(const CWinBlogUser& user);
