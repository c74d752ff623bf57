#include "platform/File.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

File::File(File&& other) noexcept
    : m_fd(other.ReleaseDescriptor())
{
}

File& File::operator=(File&& other) noexcept
{
    if (this != &other) {
        Close();
        m_fd = other.ReleaseDescriptor();
    }
    return *this;
}

File::~File()
{
    Close();
}

ErrorOr<File> File::Open(const std::string& path, Mode mode, unsigned permissions)
{
    // Opening a FIFO for reading would wait for a writer: the open must not
    // block, and what it opened is checked before it is used.
    int flags = O_CLOEXEC | O_NONBLOCK;
    switch (mode) {
    case Mode::Read:
        flags |= O_RDONLY;
        break;
    case Mode::ReadWrite:
        flags |= O_RDWR;
        break;
    case Mode::CreateReadWrite:
        flags |= O_RDWR | O_CREAT | O_TRUNC;
        break;
    case Mode::CreateNew:
        flags |= O_RDWR | O_CREAT | O_EXCL;
        break;
    }
    int fd = ::open(path.c_str(), flags, permissions);
    if (fd < 0)
        return ErrorOr<File>::FromError(ErrorCodeFromErrno(errno));
    File file(fd);
    // Directories open fine for reading on Linux, and so do FIFOs and
    // devices without O_NONBLOCK's wait; callers want regular files only.
    struct stat st { };
    if (::fstat(fd, &st) != 0)
        return ErrorOr<File>::FromError(ErrorCodeFromErrno(errno));
    if (S_ISDIR(st.st_mode))
        return ErrorOr<File>::FromError(Error::IsADirectory);
    if (!S_ISREG(st.st_mode))
        return ErrorOr<File>::FromError(Error::NotARegularFile);
    // Reads of a regular file never wait; the flag goes all the same, so
    // that the descriptor behaves as any other.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return file;
}

int File::ReleaseDescriptor()
{
    int fd = m_fd;
    m_fd = -1;
    return fd;
}

void File::Close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

ErrorOr<size_t> File::Read(std::span<std::byte> buffer)
{
    for (;;) {
        ssize_t n = ::read(m_fd, buffer.data(), buffer.size());
        if (n >= 0)
            return static_cast<size_t>(n);
        if (errno != EINTR)
            return ErrorOr<size_t>::FromError(ErrorCodeFromErrno(errno));
    }
}

ErrorOr<size_t> File::ReadFully(std::span<std::byte> buffer)
{
    size_t total = 0;
    while (total < buffer.size()) {
        auto n = Read(buffer.subspan(total));
        if (n.IsError())
            return n;
        if (*n == 0)
            break;
        total += *n;
    }
    return total;
}

ErrorCode File::WriteAll(std::span<const std::byte> data)
{
    while (!data.empty()) {
        ssize_t n = ::write(m_fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return ErrorCodeFromErrno(errno);
        }
        if (n == 0)
            return Error::WriteFault;
        data = data.subspan(static_cast<size_t>(n));
    }
    return Error::Success;
}

ErrorCode File::WriteAll(const void* data, size_t size)
{
    return WriteAll(std::span(static_cast<const std::byte*>(data), size));
}

ErrorOr<uint64_t> File::Seek(uint64_t offset)
{
    off_t result = ::lseek(m_fd, static_cast<off_t>(offset), SEEK_SET);
    if (result < 0)
        return ErrorOr<uint64_t>::FromError(ErrorCodeFromErrno(errno));
    return static_cast<uint64_t>(result);
}

ErrorOr<uint64_t> File::Size() const
{
    struct stat st { };
    if (::fstat(m_fd, &st) != 0)
        return ErrorOr<uint64_t>::FromError(ErrorCodeFromErrno(errno));
    return static_cast<uint64_t>(st.st_size);
}

ErrorCode File::Sync()
{
    if (::fsync(m_fd) != 0)
        return ErrorCodeFromErrno(errno);
    return Error::Success;
}

ErrorCode File::Truncate(uint64_t size)
{
    if (::ftruncate(m_fd, static_cast<off_t>(size)) != 0)
        return ErrorCodeFromErrno(errno);
    return Error::Success;
}

ErrorOr<std::string> ReadWholeFile(const std::string& path)
{
    auto file = File::Open(path, File::Mode::Read);
    if (file.IsError())
        return ErrorOr<std::string>::FromError(file.GetError());
    auto size = file->Size();
    if (size.IsError())
        return ErrorOr<std::string>::FromError(size.GetError());
    std::string contents;
    contents.resize(static_cast<size_t>(*size));
    auto read = file->ReadFully(std::as_writable_bytes(std::span(contents)));
    if (read.IsError())
        return ErrorOr<std::string>::FromError(read.GetError());
    contents.resize(*read);
    return contents;
}
