#include "imaging/Dib.h"

#include <new>

size_t DibStride(int width, int bitCount)
{
    size_t rowBits = static_cast<size_t>(width) * static_cast<size_t>(bitCount);
    return ((rowBits + 31) / 32) * 4;
}

ErrorOr<Dib> MakeDib(int width, int height, int bitCount, bool zeroed)
{
    if (width <= 0 || height <= 0 || (bitCount != 16 && bitCount != 24 && bitCount != 32))
        return ErrorOr<Dib>::FromError(Error::InvalidParameter);
    size_t stride = DibStride(width, bitCount);
    if (static_cast<size_t>(height) > MaximumDibBytes / stride)
        return ErrorOr<Dib>::FromError(Error::NotEnoughMemory);
    Dib dib;
    size_t size = stride * static_cast<size_t>(height);
    dib.m_pixels.reset(zeroed ? new (std::nothrow) uint8_t[size]() : new (std::nothrow) uint8_t[size]);
    if (!dib.m_pixels)
        return ErrorOr<Dib>::FromError(Error::NotEnoughMemory);
    dib.m_width = width;
    dib.m_height = height;
    dib.m_bitCount = bitCount;
    dib.m_stride = stride;
    return dib;
}

ErrorOr<Dib> CreateDib(int width, int height, int bitCount)
{
    return MakeDib(width, height, bitCount, true);
}

ErrorOr<Dib> CreateDibForOverwrite(int width, int height, int bitCount)
{
    return MakeDib(width, height, bitCount, false);
}

void Dib::Narrow(int width, int height)
{
    if (width > 0 && width < m_width)
        m_width = width;
    if (height > 0 && height < m_height)
        m_height = height;
}
