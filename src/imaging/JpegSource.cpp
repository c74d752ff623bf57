#include "imaging/JpegSource.h"

#include "platform/File.h"

#include <algorithm>
#include <cstring>
#include <limits>

JpegSource::JpegSource(const uint8_t* data, size_t size)
    : m_data(data)
    , m_size(data ? size : 0)
{
    SetWindow(m_data, m_data + m_size, 0);
}

JpegSource::JpegSource(File& file)
    : m_file(&file)
    , m_buffer(new uint8_t[1 + FileFillSize])
    , m_limit(std::numeric_limits<uint64_t>::max())
{
    m_buffer[0] = 0;
    SetWindow(m_buffer.get() + 1, m_buffer.get() + 1, 0);
    // The handle may have been used before; reading starts at the file's top.
    if (m_file->Seek(0).IsError())
        m_limit = 0;
}

void JpegSource::SetWindow(const uint8_t* start, const uint8_t* end, uint64_t offset)
{
    m_windowStart = start;
    m_cursor = start;
    m_end = end;
    m_windowOffset = offset;
}

bool JpegSource::Refill()
{
    if (!m_file || m_fileOffset >= m_limit)
        return false;
    size_t wanted = static_cast<size_t>(std::min<uint64_t>(FileFillSize, m_limit - m_fileOffset));
    uint8_t* fill = m_buffer.get() + 1;
    uint8_t lookBack = m_end > m_windowStart ? m_end[-1] : m_buffer[0];
    // Read into the fill area only after saving the look-back byte, which
    // may itself live in the fill area.
    auto read = m_file->ReadFully(std::as_writable_bytes(std::span(fill, wanted)));
    if (read.IsError() || *read == 0) {
        m_limit = m_fileOffset;
        return false;
    }
    m_buffer[0] = lookBack;
    SetWindow(fill, fill + *read, m_fileOffset);
    m_fileOffset += *read;
    return true;
}

ErrorCode JpegSource::Restart(uint64_t offset, uint64_t limit)
{
    if (!m_file) {
        size_t start = static_cast<size_t>(std::min<uint64_t>(offset, m_size));
        size_t end = static_cast<size_t>(std::clamp<uint64_t>(limit, start, m_size));
        SetWindow(m_data + start, m_data + end, start);
        return Error::Success;
    }
    auto sought = m_file->Seek(offset);
    if (sought.IsError())
        return sought.GetError();
    m_fileOffset = offset;
    m_limit = std::max(limit, offset);
    m_buffer[0] = 0;
    SetWindow(m_buffer.get() + 1, m_buffer.get() + 1, offset);
    return Error::Success;
}

int JpegSource::ReadByte()
{
    if (m_cursor == m_end && !Refill())
        return -1;
    return *m_cursor++;
}

int JpegSource::ReadWord()
{
    int high = ReadByte();
    int low = ReadByte();
    if (high < 0 || low < 0)
        return -1;
    return (high << 8) | low;
}

bool JpegSource::ReadBytes(uint8_t* destination, size_t count)
{
    while (count > 0) {
        if (m_cursor == m_end && !Refill())
            return false;
        size_t take = std::min(count, static_cast<size_t>(m_end - m_cursor));
        std::memcpy(destination, m_cursor, take);
        m_cursor += take;
        destination += take;
        count -= take;
    }
    return true;
}

bool JpegSource::Skip(size_t count)
{
    while (count > 0) {
        if (m_cursor == m_end && !Refill())
            return false;
        size_t take = std::min(count, static_cast<size_t>(m_end - m_cursor));
        m_cursor += take;
        count -= take;
    }
    return true;
}
