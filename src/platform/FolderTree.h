#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <utility>

// When a file was made, as exactly as the file system tells: its birth time
// where the file system records one (statx), else its last write.
struct FileTime {
    std::int64_t seconds { 0 }; // since the Unix epoch, UTC
    std::uint32_t nanoseconds { 0 };

    auto operator<=>(const FileTime&) const = default;
};

// One file or folder met by a FolderTree walk.
struct FolderTreeEntry {
    std::string path;
    std::string name;
    bool isFolder { false };
    // Files only.
    FileTime created;
};

// Walks folders with all their subfolders: each folder is reported before
// what it holds, and its entries come in name order. A folder is walked
// once however many ways lead to it (one walker remembers the folders it
// has been through, across several roots), and links to folders are not
// followed, so that no folder loop can trap the walk. Links to files are
// followed; entries that are neither files nor folders (FIFOs, devices,
// sockets) are left out. A folder that does not exist or cannot be read
// is skipped silently.
class FolderTree {
public:
    enum class Answer {
        Continue,
        Stop,
    };
    using Visitor = std::function<Answer(const FolderTreeEntry&)>;

    // False when the visitor stopped the walk.
    bool Walk(const std::string& root, const Visitor& visit);

private:
    bool WalkFolder(const std::string& folder, const Visitor& visit);
    // True the first time a folder (by device and inode) is entered.
    bool Enter(const std::string& folder);

    std::set<std::pair<std::uint64_t, std::uint64_t>> m_entered;
};

// The creation time of one file (as FolderTree reports it); none when the
// file cannot be looked at.
bool FileCreationTime(const std::string& path, FileTime& time);
