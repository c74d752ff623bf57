#pragma once

#include "model/CWinBlogStorage.h"
#include "model/CWinBlogUser.h"

#include <nlohmann/json.hpp>

// The JSON forms that "inspect" prints: every stored field, in file order.
nlohmann::ordered_json StoreJson(const CWinBlogStorage& store);
nlohmann::ordered_json UserJson(const CWinBlogUser& user);
// The objects of one record, as the lists of StoreJson hold them.
nlohmann::ordered_json EntryJson(const BlogEntry& entry);
nlohmann::ordered_json AlbumJson(const BlogAlbum& album);
nlohmann::ordered_json CommentJson(const BlogComment& comment);
