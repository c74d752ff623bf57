#pragma once

#include "imaging/JpegSource.h"

#include <cstdint>

// Reads the entropy-coded bits of a scan, most significant first, removing
// the stuffed zero after each 0xFF. At a marker or at the end of the source
// it stops consuming bytes and feeds zero bits instead, so decoding can run
// on to the frame's last block without reading outside the source.
class JpegBitReader {
public:
    explicit JpegBitReader(JpegSource& source)
        : m_source(source)
    {
    }

    // Makes sure at least 32 bits are buffered.
    void Ensure32()
    {
        if (m_count < 32)
            Fill();
    }

    uint32_t Peek(int bits) const { return static_cast<uint32_t>(m_bits >> (64 - bits)); }
    void Consume(int bits)
    {
        m_bits <<= bits;
        m_count -= bits;
    }
    // Reads 1-16 bits as an unsigned number (after Ensure32()).
    uint32_t Take(int bits)
    {
        uint32_t value = Peek(bits);
        Consume(bits);
        return value;
    }

    // True once every real bit up to a marker or the end has been used and
    // only padding remains.
    bool Exhausted() const { return m_stopped && m_count <= m_paddingBits; }

    // At a restart boundary: drops the leftover bits of the interval, finds
    // the next marker and steps over it when it is a restart marker.
    void Restart();

    // Hands the bytes after the scan back to the source's cursor.
    void Finish();

private:
    friend class BitWindow;

    void Fill();
    bool FillSlow();
    void Stop();
    int NextByteSlow(bool& atMarker);

    JpegSource& m_source;
    uint64_t m_bits { 0 };   // left-aligned
    int m_count { 0 };
    int m_paddingBits { 0 };
    bool m_stopped { false };
};

// The reader's bit buffer held in locals while a block is decoded, so that
// the compiler can keep it in registers; written back when it goes away.
class BitWindow {
public:
    explicit BitWindow(JpegBitReader& reader)
        : m_reader(reader)
        , m_bits(reader.m_bits)
        , m_count(reader.m_count)
    {
    }
    ~BitWindow()
    {
        m_reader.m_bits = m_bits;
        m_reader.m_count = m_count;
    }
    BitWindow(const BitWindow&) = delete;
    BitWindow& operator=(const BitWindow&) = delete;

    void Ensure32()
    {
        if (m_count < 32)
            Refill();
    }
    uint32_t Peek(int bits) const { return static_cast<uint32_t>(m_bits >> (64 - bits)); }
    void Consume(int bits)
    {
        m_bits <<= bits;
        m_count -= bits;
    }
    uint32_t Take(int bits)
    {
        uint32_t value = Peek(bits);
        Consume(bits);
        return value;
    }

private:
    void Refill()
    {
        m_reader.m_bits = m_bits;
        m_reader.m_count = m_count;
        m_reader.Fill();
        m_bits = m_reader.m_bits;
        m_count = m_reader.m_count;
    }

    JpegBitReader& m_reader;
    uint64_t m_bits;
    int m_count;
};
