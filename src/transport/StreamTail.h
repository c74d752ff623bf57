#pragma once

#include "transport/Stream.h"

#include <cstdint>

// The bytes of another stream from an offset to its end, read as a stream
// of their own: the body of a response, whose stream begins with the
// response's headers, handed on as the picture it is. Read-only; the other
// stream must outlive it, and the two share one position.
class StreamTail final : public Stream {
public:
    StreamTail(Stream& whole, std::uint32_t offset)
        : m_whole(whole)
        , m_offset(offset)
    {
    }

    std::uint32_t GetLength() override;
    bool Seek(std::uint32_t position) override;
    bool ReadChunk(const std::uint8_t*& data, std::uint32_t& length) override { return m_whole.ReadChunk(data, length); }
    bool ReadByte(std::uint8_t& byte) override { return m_whole.ReadByte(byte); }
    std::uint32_t Read(void* buffer, std::uint32_t size) override { return m_whole.Read(buffer, size); }
    bool PeekByte(std::uint8_t& byte) override { return m_whole.PeekByte(byte); }
    std::uint32_t GetPosition() override;
    bool Write(const void*, std::uint32_t) override { return false; }
    bool GetWriteBuffer(std::uint8_t*&, std::uint32_t&) override { return false; }
    bool CommitWrite(std::uint32_t) override { return false; }
    bool ConvertsText() const override { return false; }

private:
    Stream& m_whole;
    std::uint32_t m_offset;
};
