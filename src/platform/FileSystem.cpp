#include "platform/FileSystem.h"

#include "platform/AtomicFile.h"
#include "platform/File.h"
#include "platform/Path.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

static bool StatPath(const std::string& path, struct stat& st)
{
    return ::stat(path.c_str(), &st) == 0;
}

bool PathExists(const std::string& path)
{
    struct stat st { };
    return StatPath(path, st);
}

bool IsDirectory(const std::string& path)
{
    struct stat st { };
    return StatPath(path, st) && S_ISDIR(st.st_mode);
}

bool IsRegularFile(const std::string& path)
{
    struct stat st { };
    return StatPath(path, st) && S_ISREG(st.st_mode);
}

ErrorCode CreateFolder(const std::string& path)
{
    if (::mkdir(path.c_str(), 0777) == 0)
        return Error::Success;
    if (errno == EEXIST && IsDirectory(path))
        return Error::Success;
    return ErrorCodeFromErrno(errno);
}

ErrorCode CreateFolderWithParents(const std::string& path)
{
    if (path.empty() || IsDirectory(path))
        return Error::Success;
    std::string parent = ParentPath(path);
    if (!parent.empty() && parent != path) {
        if (auto error = CreateFolderWithParents(parent))
            return error;
    }
    return CreateFolder(path);
}

ErrorCode RemoveEmptyFolder(const std::string& path)
{
    if (::rmdir(path.c_str()) == 0)
        return Error::Success;
    return ErrorCodeFromErrno(errno);
}

ErrorCode DeleteFileIfExists(const std::string& path)
{
    if (::unlink(path.c_str()) == 0 || errno == ENOENT)
        return Error::Success;
    return ErrorCodeFromErrno(errno);
}

ErrorCode CopyFile(const std::string& from, const std::string& to)
{
    auto source = File::Open(from, File::Mode::Read);
    if (source.IsError())
        return source.GetError();
    auto target = AtomicFile::Begin(to);
    if (target.IsError())
        return target.GetError();
    auto buffer = std::make_unique<std::byte[]>(65536);
    for (;;) {
        auto count = source->Read(std::span(buffer.get(), 65536));
        if (count.IsError())
            return count.GetError();
        if (*count == 0)
            break;
        if (auto error = target->Write(buffer.get(), *count))
            return error;
    }
    // A photo's date is its file's last-write time, so a copy keeps it.
    struct stat st { };
    if (::fstat(source->Descriptor(), &st) == 0) {
        timespec times[2] = { st.st_atim, st.st_mtim };
        ::futimens(target->GetFile().Descriptor(), times);
    }
    return target->Commit();
}

ErrorCode MoveFile(const std::string& from, const std::string& to)
{
    if (::rename(from.c_str(), to.c_str()) == 0)
        return Error::Success;
    if (errno != EXDEV)
        return ErrorCodeFromErrno(errno);
    // A storage card is another file system: copy, then remove the original
    // only once the copy is safely on disk.
    if (auto error = CopyFile(from, to))
        return error;
    if (::unlink(from.c_str()) != 0)
        return ErrorCodeFromErrno(errno);
    return Error::Success;
}

bool IsSameFile(const std::string& a, const std::string& b)
{
    struct stat first { };
    struct stat second { };
    return StatPath(a, first) && StatPath(b, second) && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// The kind of a listed entry. The listing itself tells it on most file
// systems, so that a folder of thousands of photos costs no call per entry;
// a link (followed) and an entry of a file system that does not say are
// asked about.
static void ReadEntryKind(const std::string& folder, const dirent& listed, DirectoryEntry& entry)
{
    if (listed.d_type != DT_UNKNOWN && listed.d_type != DT_LNK) {
        entry.isDirectory = listed.d_type == DT_DIR;
        entry.isRegularFile = listed.d_type == DT_REG;
        return;
    }
    struct stat st { };
    bool known = StatPath(JoinPath(folder, entry.name), st);
    entry.isDirectory = known && S_ISDIR(st.st_mode);
    entry.isRegularFile = known && S_ISREG(st.st_mode);
}

// Calls `visit` with each entry of the folder but "." and "..", in the
// order the file system lists them.
template<typename Visit>
static ErrorCode VisitFolder(const std::string& path, Visit visit)
{
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(path.c_str()), ::closedir);
    if (!dir)
        return ErrorCodeFromErrno(errno);
    while (dirent* entry = ::readdir(dir.get())) {
        std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            visit(*entry);
    }
    return Error::Success;
}

ErrorOr<std::vector<DirectoryEntry>> ListFolder(const std::string& path)
{
    std::vector<DirectoryEntry> entries;
    ErrorCode error = VisitFolder(path, [&](const dirent& entry) {
        DirectoryEntry listed { entry.d_name };
        ReadEntryKind(path, entry, listed);
        entries.push_back(std::move(listed));
    });
    if (error)
        return ErrorOr<std::vector<DirectoryEntry>>::FromError(error);
    std::sort(entries.begin(), entries.end(), [](auto& a, auto& b) { return a.name < b.name; });
    return entries;
}

ErrorOr<uint64_t> FileSizeOf(const std::string& path)
{
    struct stat st { };
    if (!StatPath(path, st))
        return ErrorOr<uint64_t>::FromError(ErrorCodeFromErrno(errno));
    return static_cast<uint64_t>(st.st_size);
}

ErrorOr<std::time_t> LastWriteTimeOf(const std::string& path)
{
    struct stat st { };
    if (!StatPath(path, st))
        return ErrorOr<std::time_t>::FromError(ErrorCodeFromErrno(errno));
    return st.st_mtime;
}

ErrorOr<std::vector<std::string>> ListFolderNames(const std::string& path)
{
    std::vector<std::string> names;
    ErrorCode error = VisitFolder(path, [&](const dirent& entry) { names.emplace_back(entry.d_name); });
    if (error)
        return ErrorOr<std::vector<std::string>>::FromError(error);
    return names;
}

// The number of a kept copy of `base` ("NAME.damaged" is 1,
// "NAME.damaged-N" is N); 0 for any other name.
static unsigned KeptCopyNumber(std::string_view name, std::string_view base)
{
    if (!name.starts_with(base))
        return 0;
    name.remove_prefix(base.size());
    if (name.empty())
        return 1;
    if (name.front() != '-' || name.size() < 2 || name.size() > 10)
        return 0;
    unsigned number = 0;
    for (char c : name.substr(1)) {
        if (c < '0' || c > '9')
            return 0;
        number = number * 10 + static_cast<unsigned>(c - '0');
    }
    return number >= 2 ? number : 0;
}

static bool HaveSameContents(const std::string& a, const std::string& b)
{
    auto first = File::Open(a, File::Mode::Read);
    auto second = File::Open(b, File::Mode::Read);
    if (first.IsError() || second.IsError())
        return false;
    auto firstSize = first->Size();
    auto secondSize = second->Size();
    if (firstSize.IsError() || secondSize.IsError() || *firstSize != *secondSize)
        return false;
    constexpr size_t kChunk = 65536;
    auto one = std::make_unique<std::byte[]>(kChunk);
    auto other = std::make_unique<std::byte[]>(kChunk);
    for (;;) {
        auto n = first->ReadFully(std::span(one.get(), kChunk));
        auto m = second->ReadFully(std::span(other.get(), kChunk));
        if (n.IsError() || m.IsError() || *n != *m)
            return false;
        if (*n == 0)
            return true;
        if (std::memcmp(one.get(), other.get(), *n) != 0)
            return false;
    }
}

ErrorOr<std::string> PreserveDamagedFile(const std::string& path)
{
    // A copy of these very bytes may be there already (a save that failed
    // after keeping it, or another run that read the same damaged file):
    // one copy per damaged file is enough.
    std::string folder = ParentPath(path);
    std::string base = FileNameOf(path) + ".damaged";
    unsigned highest = 0;
    if (auto entries = ListFolder(folder.empty() ? "." : folder); !entries.IsError()) {
        for (auto& entry : *entries) {
            unsigned number = KeptCopyNumber(entry.name, base);
            if (number == 0)
                continue;
            std::string copy = JoinPath(folder, entry.name);
            if (IsSameFile(path, copy) || HaveSameContents(path, copy))
                return copy;
            highest = std::max(highest, number);
        }
    }
    // However many copies there are, the next number is free.
    for (unsigned number = highest + 1;; ++number) {
        std::string candidate = path + ".damaged";
        if (number > 1)
            candidate += "-" + std::to_string(number);
        // A second name for the same bytes costs nothing, and the atomic
        // save that follows replaces only the first name.
        if (::link(path.c_str(), candidate.c_str()) == 0)
            return candidate;
        if (errno == EEXIST)
            continue;
        if (PathExists(candidate))
            continue;
        if (auto error = CopyFile(path, candidate))
            return ErrorOr<std::string>::FromError(error);
        return candidate;
    }
}
