#include "platform/FolderTree.h"

#include "platform/Path.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <vector>

namespace {

struct DirectoryCloser {
    void operator()(DIR* directory) const { ::closedir(directory); }
};

// A file's type and times through statx, which also gives the birth time
// on file systems that record it.
bool StatxPath(const std::string& path, bool followLinks, struct statx& result)
{
    int flags = AT_STATX_SYNC_AS_STAT | (followLinks ? 0 : AT_SYMLINK_NOFOLLOW);
    return ::statx(AT_FDCWD, path.c_str(), flags, STATX_TYPE | STATX_INO | STATX_MTIME | STATX_BTIME, &result) == 0;
}

FileTime CreationTimeFrom(const struct statx& status)
{
    const struct statx_timestamp& stamp = (status.stx_mask & STATX_BTIME) ? status.stx_btime : status.stx_mtime;
    return { stamp.tv_sec, stamp.tv_nsec };
}

}

bool FileCreationTime(const std::string& path, FileTime& time)
{
    struct statx status { };
    if (!StatxPath(path, true, status))
        return false;
    time = CreationTimeFrom(status);
    return true;
}

bool FolderTree::Enter(const std::string& folder)
{
    struct statx status { };
    if (!StatxPath(folder, true, status) || !S_ISDIR(status.stx_mode))
        return false;
    std::uint64_t device = (std::uint64_t(status.stx_dev_major) << 32) | status.stx_dev_minor;
    return m_entered.emplace(device, status.stx_ino).second;
}

bool FolderTree::Walk(const std::string& root, const Visitor& visit)
{
    if (!Enter(root))
        return true;
    if (visit({ root, FileNameOf(root), true, {} }) == Answer::Stop)
        return false;
    return WalkFolder(root, visit);
}

bool FolderTree::WalkFolder(const std::string& folder, const Visitor& visit)
{
    std::vector<std::string> names;
    {
        std::unique_ptr<DIR, DirectoryCloser> directory(::opendir(folder.c_str()));
        if (!directory)
            return true;
        while (const dirent* entry = ::readdir(directory.get())) {
            std::string_view name = entry->d_name;
            if (name != "." && name != "..")
                names.emplace_back(name);
        }
    }
    std::sort(names.begin(), names.end());

    for (const std::string& name : names) {
        std::string path = JoinPath(folder, name);
        struct statx status { };
        if (!StatxPath(path, false, status))
            continue; // gone since the folder was read
        if (S_ISDIR(status.stx_mode)) {
            if (!Enter(path))
                continue;
            if (visit({ path, name, true, {} }) == Answer::Stop || !WalkFolder(path, visit))
                return false;
            continue;
        }
        // A link counts as what it leads to, unless that is a folder.
        if (S_ISLNK(status.stx_mode) && !StatxPath(path, true, status))
            continue;
        if (!S_ISREG(status.stx_mode))
            continue;
        if (visit({ path, name, false, CreationTimeFrom(status) }) == Answer::Stop)
            return false;
    }
    return true;
}
