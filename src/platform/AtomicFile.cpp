#include "platform/AtomicFile.h"

#include "platform/Path.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

static unsigned CurrentUmask()
{
    mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

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

ErrorOr<AtomicFile> AtomicFile::Begin(const std::string& targetPath, unsigned permissions)
{
    std::string pattern = targetPath + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return ErrorOr<AtomicFile>::FromError(ErrorCodeFromErrno(errno));

    mode_t mode = permissions & ~CurrentUmask();
    struct stat existing { };
    if (::stat(targetPath.c_str(), &existing) == 0)
        mode = existing.st_mode & 07777;
    ::fchmod(fd, mode);

    return AtomicFile(targetPath, std::string(name.data()), File(fd));
}

ErrorCode AtomicFile::Commit()
{
    if (m_committed)
        return Error::InvalidParameter;
    if (auto error = m_file.Sync())
        return error;
    m_file.Close();
    if (::rename(m_temporaryPath.c_str(), m_targetPath.c_str()) != 0)
        return ErrorCodeFromErrno(errno);
    m_committed = true;
    // The new contents are in place; making the rename itself durable is
    // best effort, and failing here would report a finished save as failed.
    SyncFolder(ParentPath(m_targetPath));
    return Error::Success;
}

void AtomicFile::Discard()
{
    if (m_committed)
        return;
    m_file.Close();
    ::unlink(m_temporaryPath.c_str());
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
