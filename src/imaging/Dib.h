#pragma once

#include "platform/ErrorOr.h"

#include <cstddef>
#include <cstdint>
#include <memory>

// A device-independent bitmap that owns its pixels: rows run top-down, each
// padded to a multiple of 4 bytes. 16-bit pixels are RGB565; 24- and 32-bit
// pixels store blue, green, red (and an unused byte) in that order. The
// pixels never move while the object lives, so a view may wrap them.
class Dib {
public:
    Dib() = default;
    Dib(Dib&&) noexcept = default;
    Dib& operator=(Dib&&) noexcept = default;
    Dib(const Dib&) = delete;
    Dib& operator=(const Dib&) = delete;

    bool IsNull() const { return !m_pixels; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int BitCount() const { return m_bitCount; }
    size_t Stride() const { return m_stride; }

    uint8_t* Bits() { return m_pixels.get(); }
    const uint8_t* Bits() const { return m_pixels.get(); }
    uint8_t* Row(int y) { return m_pixels.get() + static_cast<size_t>(y) * m_stride; }
    const uint8_t* Row(int y) const { return m_pixels.get() + static_cast<size_t>(y) * m_stride; }
    uint16_t* Row16(int y) { return reinterpret_cast<uint16_t*>(Row(y)); }
    const uint16_t* Row16(int y) const { return reinterpret_cast<const uint16_t*>(Row(y)); }

    // Narrows the visible size to the top-left width x height pixels, keeping
    // the stride: the decoder fills whole blocks and then hides the padding.
    void Narrow(int width, int height);

private:
    friend ErrorOr<Dib> MakeDib(int width, int height, int bitCount, bool zeroed);

    std::unique_ptr<uint8_t[]> m_pixels;
    int m_width { 0 };
    int m_height { 0 };
    int m_bitCount { 0 };
    size_t m_stride { 0 };
};

// Bytes in one row of a bitmap: width pixels rounded up to 4 bytes.
size_t DibStride(int width, int bitCount);

// The largest bitmap the program will make; bigger requests fail as the
// platform's bitmap creation does when memory runs out.
constexpr size_t MaximumDibBytes = size_t(512) << 20;

// Makes a bitmap of 16, 24 or 32 bits per pixel, zero-filled. Fails with
// InvalidParameter for an empty or unsupported shape, NotEnoughMemory when the
// pixels can't be had.
ErrorOr<Dib> CreateDib(int width, int height, int bitCount);

// The same with the pixels left unset, for writers that fill every row.
ErrorOr<Dib> CreateDibForOverwrite(int width, int height, int bitCount);
