#include "model/ArchiveWriter.h"

#include "platform/File.h"

#include <cstring>

static constexpr std::uint16_t kNewClassTag = 0xFFFF;
static constexpr std::uint16_t kClassTag = 0x8000;
static constexpr std::uint16_t kBigObjectTag = 0x7FFF;
static constexpr std::uint32_t kBigClassTag = 0x80000000;
static constexpr std::uint16_t kUtf16Marker = 0xFFFE;

ArchiveWriter::ArchiveWriter(File& file)
    : m_file(&file)
{
}

ArchiveWriter::ArchiveWriter() = default;

ErrorCode ArchiveWriter::FlushBuffer()
{
    if (m_buffered == 0 || m_error)
        return m_error;
    m_error = m_file->WriteAll(m_buffer.data(), m_buffered);
    m_buffered = 0;
    return m_error;
}

void ArchiveWriter::WriteRaw(const void* data, size_t size)
{
    if (m_error || size == 0)
        return;
    m_written += size;
    auto* bytes = static_cast<const std::uint8_t*>(data);
    if (!m_file) {
        m_memory.insert(m_memory.end(), bytes, bytes + size);
        return;
    }
    if (m_buffered + size > kBufferSize) {
        if (FlushBuffer())
            return;
        // Large blocks (thumbnails) skip the buffer.
        if (size >= kBufferSize) {
            m_error = m_file->WriteAll(bytes, size);
            return;
        }
    }
    std::memcpy(m_buffer.data() + m_buffered, bytes, size);
    m_buffered += size;
}

void ArchiveWriter::WriteU8(std::uint8_t value)
{
    WriteRaw(&value, 1);
}

void ArchiveWriter::WriteU16(std::uint16_t value)
{
    std::uint8_t bytes[2] = { static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8) };
    WriteRaw(bytes, 2);
}

void ArchiveWriter::WriteU32(std::uint32_t value)
{
    std::uint8_t bytes[4] = {
        static_cast<std::uint8_t>(value),
        static_cast<std::uint8_t>(value >> 8),
        static_cast<std::uint8_t>(value >> 16),
        static_cast<std::uint8_t>(value >> 24),
    };
    WriteRaw(bytes, 4);
}

void ArchiveWriter::WriteBool(bool value)
{
    WriteU8(value ? 1 : 0);
}

void ArchiveWriter::WriteLengthPrefix(std::uint64_t length)
{
    if (length < 0xFF) {
        WriteU8(static_cast<std::uint8_t>(length));
        return;
    }
    WriteU8(0xFF);
    // 65534 would read as the UTF-16 marker, so it takes the long form.
    if (length < kUtf16Marker) {
        WriteU16(static_cast<std::uint16_t>(length));
        return;
    }
    WriteU16(0xFFFF);
    WriteU32(static_cast<std::uint32_t>(length));
}

void ArchiveWriter::WriteString(std::string_view text)
{
    WriteLengthPrefix(text.size());
    WriteRaw(text.data(), text.size());
}

void ArchiveWriter::WriteUtf16String(std::u16string_view text)
{
    WriteU8(0xFF);
    WriteU16(kUtf16Marker);
    WriteLengthPrefix(text.size());
    for (char16_t unit : text)
        WriteU16(static_cast<std::uint16_t>(unit));
}

void ArchiveWriter::WriteCount(std::uint32_t count)
{
    if (count < 0xFFFF) {
        WriteU16(static_cast<std::uint16_t>(count));
        return;
    }
    WriteU16(0xFFFF);
    WriteU32(count);
}

void ArchiveWriter::WriteBytes(std::span<const std::uint8_t> bytes)
{
    WriteRaw(bytes.data(), bytes.size());
}

void ArchiveWriter::WriteObjectTag(const RuntimeClass& runtimeClass)
{
    for (auto& [name, number] : m_classNumbers) {
        if (name != runtimeClass.name)
            continue;
        if (number < kBigObjectTag) {
            WriteU16(static_cast<std::uint16_t>(kClassTag | number));
        } else {
            WriteU16(kBigObjectTag);
            WriteU32(kBigClassTag | number);
        }
        ++m_nextMapNumber;
        return;
    }
    WriteU16(kNewClassTag);
    WriteU16(runtimeClass.schema);
    WriteU16(static_cast<std::uint16_t>(runtimeClass.name.size()));
    WriteRaw(runtimeClass.name.data(), runtimeClass.name.size());
    m_classNumbers.emplace_back(runtimeClass.name, m_nextMapNumber++);
    ++m_nextMapNumber;
}

ErrorCode ArchiveWriter::Flush()
{
    if (!m_file)
        return m_error;
    return FlushBuffer();
}
