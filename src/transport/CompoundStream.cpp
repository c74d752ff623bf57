#include "transport/CompoundStream.h"

#include <algorithm>
#include <cstdint>

CompoundStream::CompoundStream(std::unique_ptr<Stream> first, std::unique_ptr<Stream> second)
    : m_first(std::move(first))
    , m_second(std::move(second))
    , m_firstLength(m_first->GetLength())
    , m_secondLength(m_second->GetLength())
{
    Seek(0);
}

std::uint32_t CompoundStream::GetLength()
{
    std::uint64_t total = std::uint64_t { m_firstLength } + m_secondLength;
    return total > UINT32_MAX ? UINT32_MAX : static_cast<std::uint32_t>(total);
}

bool CompoundStream::Seek(std::uint32_t position)
{
    m_position = position;
    if (position >= m_firstLength)
        return m_second->Seek(position - m_firstLength);
    bool first = m_first->Seek(position);
    bool second = m_second->Seek(0);
    return first && second;
}

bool CompoundStream::ReadChunk(const std::uint8_t*& data, std::uint32_t& length)
{
    if (!Current().ReadChunk(data, length))
        return false;
    m_position += length;
    return true;
}

bool CompoundStream::ReadByte(std::uint8_t& byte)
{
    if (!Current().ReadByte(byte))
        return false;
    ++m_position;
    return true;
}

std::uint32_t CompoundStream::Read(void* buffer, std::uint32_t size)
{
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    std::uint32_t taken = 0;
    // The first stream may end short of its length; the second is read
    // only once the position has passed the first one, as ReadByte does.
    while (taken < size) {
        std::uint32_t part = size - taken;
        if (m_position < m_firstLength)
            part = std::min(part, m_firstLength - m_position);
        std::uint32_t got = Current().Read(bytes + taken, part);
        taken += got;
        m_position += got;
        if (got < part)
            break;
    }
    return taken;
}

bool CompoundStream::PeekByte(std::uint8_t& byte)
{
    return Current().PeekByte(byte);
}
