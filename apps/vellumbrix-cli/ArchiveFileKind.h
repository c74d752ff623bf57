#pragma once

#include "model/CWinBlogStorage.h"
#include "model/CWinBlogUser.h"

#include <memory>
#include <string>

// The two kinds of archive file, told apart by their extension (any case).
enum class ArchiveFileKind {
    BlogStore, // ".vxl"
    UserFile,  // ".vxu"
    Unknown,
};

ArchiveFileKind ArchiveFileKindOf(const std::string& path);

// Loads a file with the store's or the user record's own load. A missing or
// damaged file is reported on stderr (naming what could not be read) and
// gives nothing, with `status` set to the exit status.
std::unique_ptr<CWinBlogStorage> LoadStoreFile(const std::string& path, int& status);
std::unique_ptr<CWinBlogUser> LoadUserFile(const std::string& path, int& status);
