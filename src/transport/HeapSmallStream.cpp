#include "transport/HeapSmallStream.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

HeapSmallStream::~HeapSmallStream()
{
    std::free(m_data);
}

bool HeapSmallStream::Grow(std::uint32_t needed)
{
    std::uint64_t wanted = std::max(needed, m_capacity);
    wanted = (wanted + kGrowthStep - 1) / kGrowthStep * kGrowthStep;
    if (wanted > UINT32_MAX)
        return false;
    if (wanted == m_capacity)
        return true;
    // The block may move, so the data pointer is taken from the result.
    void* block = std::realloc(m_data, static_cast<std::size_t>(wanted));
    if (!block)
        return false;
    m_data = static_cast<std::uint8_t*>(block);
    m_capacity = static_cast<std::uint32_t>(wanted);
    return true;
}
