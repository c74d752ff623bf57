#pragma once

#include "model/RuntimeClass.h"
#include "platform/ErrorCode.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class File;

// Writes the little-endian primitives, length-prefixed strings, counts and
// tagged objects of an archive file through a 64 KB buffer, or into
// memory. The first write error is kept and every later write is skipped;
// Flush() reports it.
class ArchiveWriter {
public:
    static constexpr size_t kBufferSize = 65536;

    explicit ArchiveWriter(File& file);
    // Collects everything in memory (see Data()).
    ArchiveWriter();
    ArchiveWriter(const ArchiveWriter&) = delete;
    ArchiveWriter& operator=(const ArchiveWriter&) = delete;

    void WriteU8(std::uint8_t value);
    void WriteU16(std::uint16_t value);
    void WriteU32(std::uint32_t value);
    // 1 for true, 0 for false.
    void WriteBool(bool value);
    // Length prefix (1, 3 or 7 bytes), then the bytes.
    void WriteString(std::string_view text);
    // 255, the marker 65534, a length prefix counting units, then the units.
    void WriteUtf16String(std::u16string_view text);
    // A u16, or 65535 and a u32 from 65535 on.
    void WriteCount(std::uint32_t count);
    void WriteBytes(std::span<const std::uint8_t> bytes);

    // Writes the tag of an object of this class and enters the object in
    // the file's map: a new-class tag with the schema and name the first
    // time the class occurs, a reference to the class's map number after.
    void WriteObjectTag(const RuntimeClass& runtimeClass);

    // Writes what is buffered; returns the first error of any write.
    ErrorCode Flush();
    ErrorCode GetError() const { return m_error; }

    // What a memory writer has collected.
    const std::vector<std::uint8_t>& Data() const { return m_memory; }
    std::uint64_t BytesWritten() const { return m_written; }

private:
    void WriteRaw(const void* data, size_t size);
    void WriteLengthPrefix(std::uint64_t length);
    ErrorCode FlushBuffer();

    File* m_file { nullptr };
    std::array<std::uint8_t, kBufferSize> m_buffer {};
    size_t m_buffered { 0 };
    std::vector<std::uint8_t> m_memory;
    std::uint64_t m_written { 0 };
    ErrorCode m_error { Error::Success };

    // Map numbers start at 1 and count classes and objects together.
    std::uint32_t m_nextMapNumber { 1 };
    std::vector<std::pair<std::string_view, std::uint32_t>> m_classNumbers;
};
