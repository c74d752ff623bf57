#pragma once

#include "platform/ErrorOr.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// An open file descriptor, closed when the object goes away.
class File {
public:
    enum class Mode {
        Read,            // existing file, read only
        ReadWrite,       // existing file, read and write
        CreateReadWrite, // create or truncate, read and write
        CreateNew,       // create; fails when the file exists
    };

    File() = default;
    explicit File(int fd)
        : m_fd(fd)
    {
    }
    File(File&& other) noexcept;
    File& operator=(File&& other) noexcept;
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    ~File();

    // Only regular files open: a directory fails with Error::IsADirectory,
    // a FIFO, device or socket with Error::NotARegularFile (without waiting
    // for a FIFO's writer).
    static ErrorOr<File> Open(const std::string& path, Mode mode, unsigned permissions = 0666);

    bool IsOpen() const { return m_fd >= 0; }
    int Descriptor() const { return m_fd; }
    int ReleaseDescriptor();
    void Close();

    // Reads up to buffer.size() bytes; returns the number read (0 at the end).
    ErrorOr<size_t> Read(std::span<std::byte> buffer);
    // Reads until the buffer is full or the file ends.
    ErrorOr<size_t> ReadFully(std::span<std::byte> buffer);
    // Writes every byte, looping over partial writes.
    ErrorCode WriteAll(std::span<const std::byte> data);
    ErrorCode WriteAll(const void* data, size_t size);

    ErrorOr<uint64_t> Seek(uint64_t offset);
    ErrorOr<uint64_t> Size() const;
    ErrorCode Sync();
    ErrorCode Truncate(uint64_t size);

private:
    int m_fd { -1 };
};

// Whole-file helpers.
ErrorOr<std::string> ReadWholeFile(const std::string& path);
