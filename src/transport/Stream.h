#pragma once

#include <cstdint>

// Which way text passes through Stream::ConvertText.
enum class TextDirection : std::uint8_t {
    Outgoing = 0,
    Incoming = 1,
};

// A sequence of bytes with one position, through which every request,
// response and photo passes. Read byte by byte or chunk by chunk; written by
// copying or through a direct-write window. No operation throws: failures
// answer false.
class Stream {
public:
    virtual ~Stream() = default;

    // Total number of bytes.
    virtual std::uint32_t GetLength() = 0;
    // Sets the read position.
    virtual bool Seek(std::uint32_t position) = 0;
    // Hands out the next contiguous block of readable bytes and moves past
    // it; false when nothing is left. The block stays valid until the next
    // operation on the stream.
    virtual bool ReadChunk(const std::uint8_t*& data, std::uint32_t& length) = 0;
    virtual bool ReadByte(std::uint8_t& byte) = 0;
    // Takes up to `size` bytes into `buffer` exactly as that many ReadByte
    // calls would, position included; answers how many it took, fewer only
    // at the end of the stream or on a failure. Streams that hold their
    // bytes in memory copy them in blocks instead of byte by byte.
    virtual std::uint32_t Read(void* buffer, std::uint32_t size);
    virtual bool PeekByte(std::uint8_t& byte) = 0;
    virtual std::uint32_t GetPosition() = 0;
    virtual bool Write(const void* data, std::uint32_t length) = 0;
    // A window at the write position into which the caller may write up to
    // `room` bytes, then report them with CommitWrite.
    virtual bool GetWriteBuffer(std::uint8_t*& buffer, std::uint32_t& room) = 0;
    virtual bool CommitWrite(std::uint32_t count) = 0;
    // Whether ConvertText changes text. No stream of this program does: the
    // wire and the records both hold UTF-8.
    virtual bool ConvertsText() const = 0;
    // The hook through which the XML writer and reader pass text. Copies the
    // NUL-terminated source, cut to fit the destination, which always ends up
    // NUL-terminated (when it has room for anything at all).
    virtual void ConvertText(const char* source, char* destination, std::uint32_t destinationSize, TextDirection direction);
};
