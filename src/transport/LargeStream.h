#pragma once

#include "transport/Stream.h"

#include <memory>

// A stream over a file, read and written through one 4096-byte buffer.
//
// Reading and writing share the file pointer: writes go where the last read
// block ended (or where the last seek put it), and reads continue after the
// written bytes. The position counts only what Seek set and what ReadByte
// took since; ReadChunk and writes leave it alone, so a writer that needs
// the end of its data asks GetLength.
class LargeStream : public Stream {
public:
    static constexpr std::uint32_t kBufferSize = 4096;

    ~LargeStream() override = default;
    LargeStream(const LargeStream&) = delete;
    LargeStream& operator=(const LargeStream&) = delete;

    std::uint32_t GetLength() override;
    bool Seek(std::uint32_t position) override;
    // Always the next block of the file: bytes of the buffer not yet taken
    // with ReadByte are dropped.
    bool ReadChunk(const std::uint8_t*& data, std::uint32_t& length) override;
    bool ReadByte(std::uint8_t& byte) override;
    // Continues where ReadByte stopped, block after block.
    std::uint32_t Read(void* buffer, std::uint32_t size) override;
    bool PeekByte(std::uint8_t& byte) override;
    std::uint32_t GetPosition() override { return m_position; }
    bool Write(const void* data, std::uint32_t length) override;
    bool GetWriteBuffer(std::uint8_t*& buffer, std::uint32_t& room) override;
    // Counts beyond the buffer's end are capped to it.
    bool CommitWrite(std::uint32_t count) override;
    bool ConvertsText() const override { return false; }

protected:
    LargeStream();

    // Reads up to a buffer of bytes at the file pointer into m_buffer and
    // sets m_fillCount; false when the read fails or finds no byte.
    virtual bool FillBuffer() = 0;
    // Writes the m_fillCount bytes of m_buffer at the file pointer.
    virtual bool FlushBuffer() = 0;
    virtual bool SeekFile(std::uint32_t position) = 0;
    virtual bool GetFileLength(std::uint32_t& length) = 0;

    bool HasBuffer() const { return m_buffer != nullptr; }
    // Writes bytes waiting in the buffer, if any.
    bool WritePending();

    std::unique_ptr<std::uint8_t[]> m_buffer;
    std::uint32_t m_fillCount { 0 };

private:
    bool LoadNextBlock();

    const std::uint8_t* m_readPointer { nullptr };
    std::uint32_t m_unread { 0 };
    std::uint32_t m_position { 0 };
    bool m_dirty { false };
};
