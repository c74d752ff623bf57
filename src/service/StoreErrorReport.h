#pragma once

#include "model/BlogStorage.h"
#include "platform/ErrorCode.h"

#include <string_view>

// The error report of a blog's store: the text in a warning box with an OK
// button, followed by a full stop when asked for (and the text does not
// already end with one); without a text, "An unknown error occurred (%d)."
// with the code. Without a store the box is shown all the same.
void ShowStoreError(BlogStorage* store, ErrorCode code, std::string_view text, bool addFullStop);
