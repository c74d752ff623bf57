#include "transport/StreamTail.h"

std::uint32_t StreamTail::GetLength()
{
    std::uint32_t length = m_whole.GetLength();
    return length > m_offset ? length - m_offset : 0;
}

bool StreamTail::Seek(std::uint32_t position)
{
    if (position > GetLength())
        return false;
    return m_whole.Seek(m_offset + position);
}

std::uint32_t StreamTail::GetPosition()
{
    std::uint32_t position = m_whole.GetPosition();
    return position > m_offset ? position - m_offset : 0;
}
