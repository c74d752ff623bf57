#pragma once

#include <cstdint>

// One Huffman table of a JPEG, laid out for decoding. Codes of up to
// LookaheadBits bits are found with one lookup of the next bits; when the
// code and the value bits that follow it both fit, the same lookup also
// gives the decoded value, so most coefficients cost one lookup.
class HuffmanTable {
public:
    static constexpr int LookaheadBits = 10;
    static constexpr int LookaheadSize = 1 << LookaheadBits;

    enum class Class {
        Dc,
        Ac
    };

    // counts[i]: codes of length i + 1; symbols in code order. Codes that
    // would not fit the code space are left out (they can't be decoded).
    void Build(Class tableClass, const uint8_t counts[16], const uint8_t* symbols, int symbolCount);
    bool IsDefined() const { return m_defined; }

    // Fast entry: bits 0-7 the bits used (code and value), 0 when the slow
    // path must be taken; bits 8-15 for AC tables the step to the next
    // coefficient (run + 1, 16 for a run of sixteen zeros, 0 at the end of
    // block); bits 16-31 the signed value.
    int32_t Fast(uint32_t peek) const { return m_fast[peek]; }

    // Code lookup: length << 8 | symbol, 0 when the code is longer than
    // LookaheadBits.
    uint16_t Lookup(uint32_t peek) const { return m_lookup[peek]; }

    // For skipping AC coefficients: bits 0-7 the bits to drop (code and
    // value), bits 8-15 the step as in Fast(); 0 for codes longer than
    // LookaheadBits. Unlike Fast() this covers values of any size.
    uint16_t Skip(uint32_t peek) const { return m_skip[peek]; }

    // Slow path: decodes a symbol from the next 16 bits; sets length to the
    // code's length (16 with symbol 0 when the bits are no code at all).
    int DecodeSymbol(uint32_t next16, int& length) const;

private:
    int32_t m_fast[LookaheadSize] {};
    uint16_t m_lookup[LookaheadSize] {}; // length << 8 | symbol; 0: longer code
    uint16_t m_skip[LookaheadSize] {};
    int32_t m_maxCode[18] {}; // largest code of each length, -1 if none
    int32_t m_valueOffset[17] {};
    uint8_t m_symbols[256] {};
    bool m_defined { false };
};

// Sign-extends the value bits read after a symbol (JPEG's "extend").
inline int32_t ExtendValue(uint32_t bits, int size)
{
    return bits < (1u << (size - 1)) ? static_cast<int32_t>(bits) - static_cast<int32_t>((1u << size) - 1) : static_cast<int32_t>(bits);
}
