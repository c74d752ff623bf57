#include "transport/FileLargeStream.h"

#include "platform/DeviceFolders.h"
#include "platform/Path.h"

#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <new>
#include <unistd.h>
#include <vector>

namespace {

// A nameless file in `folder`. Where the file system cannot make one, a
// uniquely named "tmp" file whose name is removed at once.
File CreateNamelessFile(const std::string& folder)
{
    int fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd >= 0)
        return File(fd);
    std::string pattern = JoinPath(folder, "tmpXXXXXX");
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return File();
    ::unlink(name.data());
    return File(fd);
}

}

FileLargeStream::FileLargeStream(File file, std::string fileName, bool temporary)
    : m_file(std::move(file))
    , m_fileName(std::move(fileName))
    , m_temporary(temporary)
{
}

FileLargeStream::~FileLargeStream()
{
    // A kept file must not lose its last bytes; a temporary one goes anyway.
    if (!m_temporary)
        WritePending();
}

std::unique_ptr<FileLargeStream> FileLargeStream::CreateTemporary()
{
    File file = CreateNamelessFile(DeviceFolders::Current().TemporaryFolder());
    if (!file.IsOpen())
        return nullptr;
    std::unique_ptr<FileLargeStream> stream(new (std::nothrow) FileLargeStream(std::move(file), {}, true));
    if (!stream || !stream->HasBuffer())
        return nullptr;
    return stream;
}

std::unique_ptr<FileLargeStream> FileLargeStream::OpenExisting(const std::string& path)
{
    auto file = File::Open(path, File::Mode::ReadWrite);
    if (file.IsError())
        return nullptr;
    std::unique_ptr<FileLargeStream> stream(new (std::nothrow) FileLargeStream(file.ReleaseValue(), path, false));
    if (!stream || !stream->HasBuffer())
        return nullptr;
    return stream;
}

std::unique_ptr<FileLargeStream> FileLargeStream::OverFile(File file)
{
    if (!file.IsOpen())
        return nullptr;
    std::unique_ptr<FileLargeStream> stream(new (std::nothrow) FileLargeStream(std::move(file), {}, false));
    if (!stream || !stream->HasBuffer())
        return nullptr;
    return stream;
}

bool FileLargeStream::FillBuffer()
{
    auto read = m_file.Read(std::span(reinterpret_cast<std::byte*>(m_buffer.get()), kBufferSize));
    if (read.IsError() || *read == 0) {
        m_fillCount = 0;
        return false;
    }
    m_fillCount = static_cast<std::uint32_t>(*read);
    return true;
}

bool FileLargeStream::FlushBuffer()
{
    return m_file.WriteAll(m_buffer.get(), m_fillCount) == Error::Success;
}

bool FileLargeStream::SeekFile(std::uint32_t position)
{
    return !m_file.Seek(position).IsError();
}

bool FileLargeStream::GetFileLength(std::uint32_t& length)
{
    auto size = m_file.Size();
    if (size.IsError())
        return false;
    length = *size > UINT32_MAX ? UINT32_MAX : static_cast<std::uint32_t>(*size);
    return true;
}
