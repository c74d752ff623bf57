#pragma once

#include "transport/Stream.h"

// A stream over one memory block that grows as it is written. The position
// never passes the length, which never passes the capacity.
class SmallStream : public Stream {
public:
    std::uint32_t GetLength() override { return m_length; }
    // Beyond the length the position stops at the length and the seek fails.
    bool Seek(std::uint32_t position) override;
    bool ReadChunk(const std::uint8_t*& data, std::uint32_t& length) override;
    bool ReadByte(std::uint8_t& byte) override;
    std::uint32_t Read(void* buffer, std::uint32_t size) override;
    bool PeekByte(std::uint8_t& byte) override;
    std::uint32_t GetPosition() override { return m_position; }
    bool Write(const void* data, std::uint32_t length) override;
    // Hands out the room left in the block; a full block is first grown by
    // one step, so the window is never empty unless growing fails.
    bool GetWriteBuffer(std::uint8_t*& buffer, std::uint32_t& room) override;
    bool CommitWrite(std::uint32_t count) override;
    bool ConvertsText() const override { return false; }

    // Makes the block hold at least `needed` bytes.
    virtual bool Grow(std::uint32_t needed) = 0;

    const std::uint8_t* GetData() const { return m_data; }
    std::uint32_t GetCapacity() const { return m_capacity; }

protected:
    std::uint8_t* m_data { nullptr };
    std::uint32_t m_length { 0 };
    std::uint32_t m_capacity { 0 };
    std::uint32_t m_position { 0 };
};
