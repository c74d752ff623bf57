#pragma once

#include "platform/ErrorOr.h"

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

struct DirectoryEntry {
    std::string name;
    bool isDirectory { false };
    // Neither a folder nor a FIFO, device or socket (links are followed).
    bool isRegularFile { false };
};

bool PathExists(const std::string& path);
bool IsDirectory(const std::string& path);
bool IsRegularFile(const std::string& path);

// Creates one folder level; an existing folder is success.
ErrorCode CreateFolder(const std::string& path);
// Creates a folder with every missing parent.
ErrorCode CreateFolderWithParents(const std::string& path);
// Removes a folder only when it is empty.
ErrorCode RemoveEmptyFolder(const std::string& path);

// Deleting a file that does not exist is success.
ErrorCode DeleteFileIfExists(const std::string& path);
// Moves a file, replacing one at `to`; works across file systems by
// copying and then deleting the original once the copy is on disk.
ErrorCode MoveFile(const std::string& from, const std::string& to);
// Copies a file atomically (the target is complete or untouched), keeping
// its last-write time.
ErrorCode CopyFile(const std::string& from, const std::string& to);
// Whether both paths name one existing file (through links, too).
bool IsSameFile(const std::string& a, const std::string& b);

// The entries of a folder (without "." and ".."), sorted by name.
ErrorOr<std::vector<DirectoryEntry>> ListFolder(const std::string& path);
// Only the names of those entries, in no particular order: nothing is
// looked up for each, which a folder of a thousand photos makes worth it.
ErrorOr<std::vector<std::string>> ListFolderNames(const std::string& path);

ErrorOr<uint64_t> FileSizeOf(const std::string& path);
ErrorOr<std::time_t> LastWriteTimeOf(const std::string& path);

// Keeps the current contents of a damaged file under a free name beside it
// (PATH.damaged, PATH.damaged-2, ...) so that a later save replacing PATH
// cannot lose them. A copy already kept of the same bytes is used again
// rather than made twice, and however many copies there are, a new one
// always gets a name. Returns the name used.
ErrorOr<std::string> PreserveDamagedFile(const std::string& path);
