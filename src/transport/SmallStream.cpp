#include "transport/SmallStream.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

bool SmallStream::Seek(std::uint32_t position)
{
    if (position > m_length) {
        m_position = m_length;
        return false;
    }
    m_position = position;
    return true;
}

bool SmallStream::ReadChunk(const std::uint8_t*& data, std::uint32_t& length)
{
    data = m_data + m_position;
    length = m_length - m_position;
    m_position = m_length;
    return length != 0;
}

bool SmallStream::ReadByte(std::uint8_t& byte)
{
    if (m_position >= m_length)
        return false;
    byte = m_data[m_position++];
    return true;
}

std::uint32_t SmallStream::Read(void* buffer, std::uint32_t size)
{
    std::uint32_t taken = std::min(size, m_length - m_position);
    if (taken > 0)
        std::memcpy(buffer, m_data + m_position, taken);
    m_position += taken;
    return taken;
}

bool SmallStream::PeekByte(std::uint8_t& byte)
{
    if (m_position >= m_length)
        return false;
    byte = m_data[m_position];
    return true;
}

bool SmallStream::Write(const void* data, std::uint32_t length)
{
    std::uint64_t end = std::uint64_t { m_position } + length;
    if (end > UINT32_MAX)
        return false;
    // Only a write that passes the end of the block grows it, so that a
    // stream over fixed memory can be written up to its last byte.
    if (end > m_capacity && !Grow(static_cast<std::uint32_t>(end)))
        return false;
    if (length > 0)
        std::memmove(m_data + m_position, data, length);
    m_position = static_cast<std::uint32_t>(end);
    m_length = std::max(m_length, m_position);
    return true;
}

bool SmallStream::GetWriteBuffer(std::uint8_t*& buffer, std::uint32_t& room)
{
    // An empty window would leave a fill loop spinning; grow by one step.
    if (m_position == m_capacity && (m_capacity == UINT32_MAX || !Grow(m_capacity + 1)))
        return false;
    buffer = m_data + m_position;
    room = m_capacity - m_position;
    return true;
}

bool SmallStream::CommitWrite(std::uint32_t count)
{
    // More than the window held cannot have been written into it.
    m_position += std::min(count, m_capacity - m_position);
    m_length = std::max(m_length, m_position);
    return true;
}
