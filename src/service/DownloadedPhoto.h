#pragma once

#include "model/BlogEntry.h"

#include <string_view>

// Whether an entry's photo file is one that the sync downloaded: a file in
// the blog's photo folder, on the internal storage or on a storage card.
// Any other photo is the user's own (taken or picked on the device).
bool IsDownloadedPhoto(const BlogEntry& entry, std::string_view blogUrlName);
