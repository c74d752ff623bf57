#pragma once

#include "transport/SmallStream.h"

#include <span>
#include <string_view>

// A memory stream laid over bytes that someone else owns and keeps alive for
// the stream's life. It never grows and never frees the memory. Over
// constant memory every write fails; over writable memory a write inside the
// covered bytes overwrites them and a write past their end fails.
class ReadOnlyMemoryStream final : public SmallStream {
public:
    explicit ReadOnlyMemoryStream(std::span<const std::uint8_t> memory);
    explicit ReadOnlyMemoryStream(std::string_view text);
    explicit ReadOnlyMemoryStream(std::span<std::uint8_t> writableMemory);

    bool Write(const void* data, std::uint32_t length) override;
    bool GetWriteBuffer(std::uint8_t*& buffer, std::uint32_t& room) override;
    bool CommitWrite(std::uint32_t count) override;
    bool Grow(std::uint32_t) override { return false; }

private:
    bool m_writable { false };
};
