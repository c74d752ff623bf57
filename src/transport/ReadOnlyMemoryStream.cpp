#include "transport/ReadOnlyMemoryStream.h"

ReadOnlyMemoryStream::ReadOnlyMemoryStream(std::span<const std::uint8_t> memory)
{
    // Never written through: the writers below refuse constant memory.
    m_data = const_cast<std::uint8_t*>(memory.data());
    m_length = m_capacity = static_cast<std::uint32_t>(memory.size());
}

ReadOnlyMemoryStream::ReadOnlyMemoryStream(std::string_view text)
    : ReadOnlyMemoryStream(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()))
{
}

ReadOnlyMemoryStream::ReadOnlyMemoryStream(std::span<std::uint8_t> writableMemory)
    : m_writable(true)
{
    m_data = writableMemory.data();
    m_length = m_capacity = static_cast<std::uint32_t>(writableMemory.size());
}

bool ReadOnlyMemoryStream::Write(const void* data, std::uint32_t length)
{
    return m_writable && SmallStream::Write(data, length);
}

bool ReadOnlyMemoryStream::GetWriteBuffer(std::uint8_t*& buffer, std::uint32_t& room)
{
    return m_writable && SmallStream::GetWriteBuffer(buffer, room);
}

bool ReadOnlyMemoryStream::CommitWrite(std::uint32_t count)
{
    return m_writable && SmallStream::CommitWrite(count);
}
