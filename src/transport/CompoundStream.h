#pragma once

#include "transport/Stream.h"

#include <memory>

// Two streams read one after the other, such as a request's header text and
// its body. Owns both. Read-only: every write answers false.
class CompoundStream final : public Stream {
public:
    // Takes the lengths of both streams once and seeks to 0.
    CompoundStream(std::unique_ptr<Stream> first, std::unique_ptr<Stream> second);

    std::uint32_t GetLength() override;
    bool Seek(std::uint32_t position) override;
    bool ReadChunk(const std::uint8_t*& data, std::uint32_t& length) override;
    bool ReadByte(std::uint8_t& byte) override;
    // Reads on into the second stream when the first one ends.
    std::uint32_t Read(void* buffer, std::uint32_t size) override;
    bool PeekByte(std::uint8_t& byte) override;
    std::uint32_t GetPosition() override { return m_position; }
    bool Write(const void*, std::uint32_t) override { return false; }
    bool GetWriteBuffer(std::uint8_t*&, std::uint32_t&) override { return false; }
    bool CommitWrite(std::uint32_t) override { return false; }
    bool ConvertsText() const override { return false; }

private:
    Stream& Current() { return m_position < m_firstLength ? *m_first : *m_second; }

    std::unique_ptr<Stream> m_first;
    std::unique_ptr<Stream> m_second;
    std::uint32_t m_firstLength { 0 };
    std::uint32_t m_secondLength { 0 };
    std::uint32_t m_position { 0 };
};
