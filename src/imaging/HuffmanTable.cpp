#include "imaging/HuffmanTable.h"

#include <algorithm>

void HuffmanTable::Build(Class tableClass, const uint8_t counts[16], const uint8_t* symbols, int symbolCount)
{
    *this = HuffmanTable();
    m_defined = true;
    std::copy(symbols, symbols + std::min(symbolCount, 256), m_symbols);

    uint32_t code = 0;
    int index = 0;
    for (int length = 1; length <= 16; ++length) {
        m_valueOffset[length] = index - static_cast<int32_t>(code);
        int lengthCount = counts[length - 1];
        m_maxCode[length] = -1;
        for (int i = 0; i < lengthCount && index < symbolCount; ++i, ++index, ++code) {
            if (code >= (1u << length))
                break; // an oversubscribed table: the rest can't be codes
            m_maxCode[length] = static_cast<int32_t>(code);
            if (length > LookaheadBits)
                continue;
            uint8_t symbol = m_symbols[index];
            int spare = LookaheadBits - length;
            uint32_t first = code << spare;
            for (uint32_t fill = 0; fill < (1u << spare); ++fill) {
                uint32_t peek = first | fill;
                m_lookup[peek] = static_cast<uint16_t>((length << 8) | symbol);
                int size = tableClass == Class::Dc ? symbol : (symbol & 15);
                int step = 0;
                if (tableClass == Class::Ac) {
                    step = size ? (symbol >> 4) + 1 : (symbol == 0xF0 ? 16 : 0);
                    m_skip[peek] = static_cast<uint16_t>((step << 8) | (length + size));
                }
                if (size > 16 || length + size > LookaheadBits)
                    continue;
                int32_t value = 0;
                if (size) {
                    uint32_t bits = (fill >> (spare - size)) & ((1u << size) - 1);
                    value = ExtendValue(bits, size);
                }
                m_fast[peek] = static_cast<int32_t>(static_cast<uint32_t>(value) << 16) | (step << 8) | (length + size);
            }
        }
        code <<= 1;
    }
    m_maxCode[17] = 0x7FFFFFFF;
}

int HuffmanTable::DecodeSymbol(uint32_t next16, int& length) const
{
    uint32_t entry = m_lookup[next16 >> (16 - LookaheadBits)];
    if (entry) {
        length = static_cast<int>(entry >> 8);
        return static_cast<int>(entry & 0xFF);
    }
    for (int l = LookaheadBits + 1; l <= 16; ++l) {
        int32_t code = static_cast<int32_t>(next16 >> (16 - l));
        if (code <= m_maxCode[l]) {
            length = l;
            int index = m_valueOffset[l] + code;
            return index >= 0 && index < 256 ? m_symbols[index] : 0;
        }
    }
    length = 16;
    return 0;
}
