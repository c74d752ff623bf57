#include "platform/AtomicFile.h"

#include "platform/FileSystem.h"
#include "platform/Path.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <string_view>
#include <vector>

static unsigned CurrentUmask()
{
    mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// A temporary file still empty is left alone for this long: its save may
// have just made it and not yet taken its lock.
static constexpr std::time_t kGraceForEmptyFiles = 60;

// A temporary file is named TARGET.saving-XXXXXX.
static constexpr std::string_view kTemporaryInfix = ".saving-";
static constexpr std::size_t kUniqueCharacters = 6;

static void SyncFolder(const std::string& folder)
{
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

AtomicFile::AtomicFile(AtomicFile&& other) noexcept
    : m_targetPath(std::move(other.m_targetPath))
    , m_temporaryPath(std::move(other.m_temporaryPath))
    , m_file(std::move(other.m_file))
    , m_committed(other.m_committed)
{
    other.m_committed = true;
}

AtomicFile::~AtomicFile()
{
    Discard();
}

std::string AtomicFile::TemporaryPrefixFor(const std::string& targetPath)
{
    return targetPath + std::string(kTemporaryInfix);
}

// Removes the temporary file at `path` when it is stale: a save locks its
// file before it writes the first byte and keeps the lock until the file is
// renamed or removed, so a file that has bytes and no lock was left by a
// save that died.
static void RemoveIfStale(const std::string& path)
{
    File file(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!file.IsOpen())
        return;
    struct stat st { };
    if (::fstat(file.Descriptor(), &st) != 0 || !S_ISREG(st.st_mode))
        return;
    if (st.st_size == 0 && std::time(nullptr) - st.st_mtime < kGraceForEmptyFiles)
        return;
    if (::flock(file.Descriptor(), LOCK_EX | LOCK_NB) != 0)
        return; // a save is writing it
    // Holding the lock, make sure the name still means this file.
    struct stat named { };
    if (::lstat(path.c_str(), &named) == 0 && named.st_dev == st.st_dev && named.st_ino == st.st_ino)
        ::unlink(path.c_str());
}

// Removes the stale temporary files in the folder whose names `matches`.
template<typename Matches>
static void RemoveStaleTemporaryFiles(const std::string& folder, Matches matches)
{
    // The names alone: a save into the folder of a thousand photos must not
    // look up every one of them.
    auto names = ListFolderNames(folder.empty() ? "." : folder);
    if (names.IsError())
        return; // Begin() reports a folder that cannot be used
    for (auto& name : *names) {
        if (matches(name))
            RemoveIfStale(JoinPath(folder, name));
    }
}

static void RemoveStaleTemporaryFiles(const std::string& targetPath)
{
    std::string prefix = FileNameOf(AtomicFile::TemporaryPrefixFor(targetPath));
    RemoveStaleTemporaryFiles(ParentPath(targetPath),
        [&](const std::string& name) { return name.size() == prefix.size() + kUniqueCharacters && name.starts_with(prefix); });
}

void AtomicFile::RemoveLeftoversIn(const std::string& folder)
{
    RemoveStaleTemporaryFiles(folder, [](const std::string& name) {
        std::size_t infix = name.rfind(kTemporaryInfix);
        return infix != std::string::npos && infix > 0 && name.size() == infix + kTemporaryInfix.size() + kUniqueCharacters;
    });
}

ErrorOr<AtomicFile> AtomicFile::Begin(const std::string& targetPath, unsigned permissions)
{
    RemoveStaleTemporaryFiles(targetPath);
    return BeginWithoutCleanup(targetPath, permissions);
}

ErrorOr<AtomicFile> AtomicFile::BeginWithoutCleanup(const std::string& targetPath, unsigned permissions)
{
    std::string pattern = TemporaryPrefixFor(targetPath) + "XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return ErrorOr<AtomicFile>::FromError(ErrorCodeFromErrno(errno));
    // A cleaner never locks a file this new and empty, so this cannot fail
    // for that reason.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ErrorCode error = ErrorCodeFromErrno(errno);
        ::unlink(name.data());
        ::close(fd);
        return ErrorOr<AtomicFile>::FromError(error);
    }

    mode_t mode = permissions & ~CurrentUmask();
    struct stat existing { };
    if (::stat(targetPath.c_str(), &existing) == 0)
        mode = existing.st_mode & 07777;
    ::fchmod(fd, mode);

    return AtomicFile(targetPath, std::string(name.data()), File(fd));
}

ErrorCode AtomicFile::Commit(CommitFlush flush)
{
    if (m_committed)
        return Error::InvalidParameter;
    if (flush == CommitFlush::ToDisk) {
        if (auto error = m_file.Sync())
            return error;
    }
    // The file stays open, and so locked, until it has its final name.
    if (::rename(m_temporaryPath.c_str(), m_targetPath.c_str()) != 0)
        return ErrorCodeFromErrno(errno);
    m_file.Close();
    m_committed = true;
    // The new contents are in place; making the rename itself durable is
    // best effort, and failing here would report a finished save as failed.
    if (flush == CommitFlush::ToDisk)
        SyncFolder(ParentPath(m_targetPath));
    return Error::Success;
}

ErrorCode AtomicFile::FlushToDisk(const std::string& path)
{
    auto file = File::Open(path, File::Mode::Read);
    if (file.IsError())
        return file.GetError();
    if (auto error = file->Sync())
        return error;
    SyncFolder(ParentPath(path));
    return Error::Success;
}

void AtomicFile::Discard()
{
    if (m_committed)
        return;
    ::unlink(m_temporaryPath.c_str());
    m_file.Close();
    m_committed = true;
}

ErrorCode WriteFileAtomically(const std::string& path, const void* data, size_t size, unsigned permissions)
{
    auto file = AtomicFile::Begin(path, permissions);
    if (file.IsError())
        return file.GetError();
    if (auto error = file->Write(data, size))
        return error;
    return file->Commit();
}
