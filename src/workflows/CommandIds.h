#pragma once

#include <cstdint>

// The commands of the main view's menus, soft keys, context menus and
// header drop-downs, by the ids the menu resources give them.
using CommandId = std::uint32_t;

namespace Command {

// The navigation bar's OK button and the entry page's close.
constexpr CommandId Ok = 1;
constexpr CommandId CloseEntry = 103;

// Home mode.
constexpr CommandId CreateNewBlog = 32789;
constexpr CommandId SubscribeToBlog = 32790;
constexpr CommandId EditBlogs = 32791;
constexpr CommandId SyncAllBlogs = 32792;
constexpr CommandId AccountInfo = 32838;
constexpr CommandId CameraPrefs = 32782;
constexpr CommandId Font = 32783;
constexpr CommandId CheckForUpdates = 32780;
constexpr CommandId About = 32779;
constexpr CommandId Exit = 57665;

// Blog mode.
constexpr CommandId Home = 32804;
constexpr CommandId Camera = 32805;
constexpr CommandId SyncBlog = 32807;
constexpr CommandId AddPhoto = 32813;
constexpr CommandId SendEMail = 32862;
constexpr CommandId PostRemoteEntry = 32860;
constexpr CommandId ShowAll = 32831;
constexpr CommandId ShowPending = 32832;
constexpr CommandId ShowPublished = 32833;
constexpr CommandId ShowPublishedByMe = 32843;
constexpr CommandId CategoryAll = 32834;
constexpr CommandId CategoryUnfiled = 32835;
// 5000 + the category's position in the blog, up to 5256.
constexpr CommandId FirstCategory = 5000;
constexpr CommandId LastCategory = 5256;
constexpr CommandId EditCategories = 5257;
constexpr CommandId CategorizeEntries = 32857;
constexpr CommandId DeleteEntries = 32802;
constexpr CommandId PurgePhotos = 32803;
constexpr CommandId MovePhotos = 32858;
constexpr CommandId BlogPrefs = 32801;

// Entry mode and the entry cell's context menu.
constexpr CommandId EditEntry = 32823;
constexpr CommandId DeleteEntry = 32854;
constexpr CommandId ViewComments = 32866;
constexpr CommandId Caption = 32845;
constexpr CommandId DownloadPhoto = 32820;
constexpr CommandId PurgePhoto = 32821;
constexpr CommandId PreviousEntry = 32826;
constexpr CommandId NextEntry = 32827;

constexpr bool IsCategory(CommandId id) { return id >= FirstCategory && id <= LastCategory; }

}
