#pragma once

#include "imaging/JpegSource.h"

#include <cstdint>
#include <cstring>

// True when one of the eight bytes is 0xFF.
inline bool HasFfByte(uint64_t word)
{
    uint64_t inverted = ~word;
    return ((inverted - 0x0101010101010101ull) & ~inverted & 0x8080808080808080ull) != 0;
}

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
    uint64_t m_bits { 0 }; // left-aligned
    int m_count { 0 };
    int m_paddingBits { 0 };
    bool m_stopped { false };
};

// The reader's bit buffer and byte cursor held in locals while a block is
// decoded, so that the compiler can keep them in registers; written back
// when the window goes away.
class BitWindow {
public:
    explicit BitWindow(JpegBitReader& reader)
        : m_reader(reader)
        , m_bits(reader.m_bits)
        , m_count(reader.m_count)
        , m_cursor(reader.m_source.Cursor())
        , m_end(reader.m_source.End())
    {
    }
    ~BitWindow() { Store(); }
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
    void Store()
    {
        m_reader.m_bits = m_bits;
        m_reader.m_count = m_count;
        m_reader.m_source.SetCursor(m_cursor);
    }

    // The common case inline: eight bytes at hand and no 0xFF among them.
    void Refill()
    {
        if (m_end - m_cursor >= 8 && !m_reader.m_stopped) {
            uint64_t word;
            std::memcpy(&word, m_cursor, sizeof word);
            word = __builtin_bswap64(word);
            if (!HasFfByte(word)) {
                int bytes = (64 - m_count) >> 3;
                if (bytes < 8)
                    word &= ~uint64_t(0) << (64 - 8 * bytes);
                m_bits |= word >> m_count;
                m_count += 8 * bytes;
                m_cursor += bytes;
                return;
            }
        }
        Store();
        m_reader.Fill();
        m_bits = m_reader.m_bits;
        m_count = m_reader.m_count;
        m_cursor = m_reader.m_source.Cursor();
        m_end = m_reader.m_source.End();
    }

    JpegBitReader& m_reader;
    uint64_t m_bits;
    int m_count;
    const uint8_t* m_cursor;
    const uint8_t* m_end;
};
