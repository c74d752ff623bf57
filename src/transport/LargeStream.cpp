#include "transport/LargeStream.h"

#include <algorithm>
#include <cstring>
#include <new>

LargeStream::LargeStream()
    : m_buffer(new (std::nothrow) std::uint8_t[kBufferSize])
{
}

bool LargeStream::WritePending()
{
    if (!m_dirty)
        return true;
    bool written = FlushBuffer();
    m_dirty = false;
    m_fillCount = 0;
    m_unread = 0;
    return written;
}

bool LargeStream::LoadNextBlock()
{
    if (!HasBuffer() || !WritePending())
        return false;
    m_fillCount = 0;
    m_unread = 0;
    if (!FillBuffer())
        return false;
    m_readPointer = m_buffer.get();
    m_unread = m_fillCount;
    return true;
}

std::uint32_t LargeStream::GetLength()
{
    // Only pending writes go out first; bytes read ahead stay readable.
    std::uint32_t length = 0;
    if (!WritePending() || !GetFileLength(length))
        return 0;
    return length;
}

bool LargeStream::Seek(std::uint32_t position)
{
    bool written = WritePending();
    m_fillCount = 0;
    m_unread = 0;
    m_position = position;
    return SeekFile(position) && written;
}

bool LargeStream::ReadChunk(const std::uint8_t*& data, std::uint32_t& length)
{
    if (!LoadNextBlock()) {
        length = 0;
        return false;
    }
    data = m_buffer.get();
    length = m_fillCount;
    // The whole block is handed out; ReadByte must not serve it again.
    m_unread = 0;
    return true;
}

bool LargeStream::ReadByte(std::uint8_t& byte)
{
    if (m_unread == 0 && !LoadNextBlock())
        return false;
    byte = *m_readPointer++;
    --m_unread;
    ++m_position;
    return true;
}

std::uint32_t LargeStream::Read(void* buffer, std::uint32_t size)
{
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    std::uint32_t taken = 0;
    while (taken < size) {
        if (m_unread == 0 && !LoadNextBlock())
            break;
        std::uint32_t part = std::min(m_unread, size - taken);
        std::memcpy(bytes + taken, m_readPointer, part);
        m_readPointer += part;
        m_unread -= part;
        taken += part;
    }
    m_position += taken;
    return taken;
}

bool LargeStream::PeekByte(std::uint8_t& byte)
{
    if (m_unread == 0 && !LoadNextBlock())
        return false;
    byte = *m_readPointer;
    return true;
}

bool LargeStream::GetWriteBuffer(std::uint8_t*& buffer, std::uint32_t& room)
{
    if (!HasBuffer())
        return false;
    if (!m_dirty) {
        // The buffer held read bytes; they are not readable any more once
        // written over.
        m_fillCount = 0;
        m_unread = 0;
    }
    if (m_fillCount >= kBufferSize && !WritePending())
        return false;
    buffer = m_buffer.get() + m_fillCount;
    room = kBufferSize - m_fillCount;
    return true;
}

bool LargeStream::CommitWrite(std::uint32_t count)
{
    m_fillCount = std::min(kBufferSize, m_fillCount + std::min(count, kBufferSize));
    m_dirty = true;
    return true;
}

bool LargeStream::Write(const void* data, std::uint32_t length)
{
    auto* bytes = static_cast<const std::uint8_t*>(data);
    while (length > 0) {
        std::uint8_t* window = nullptr;
        std::uint32_t room = 0;
        if (!GetWriteBuffer(window, room))
            return false;
        std::uint32_t part = std::min(room, length);
        std::memcpy(window, bytes, part);
        CommitWrite(part);
        bytes += part;
        length -= part;
    }
    return true;
}
