#include "imaging/JpegBitReader.h"

#include <algorithm>
#include <cstring>

void JpegBitReader::Fill()
{
    const uint8_t* cursor = m_source.Cursor();
    const uint8_t* end = m_source.End();
    // Most of the time the next eight bytes hold no 0xFF: take as many whole
    // bytes as fit at once.
    if (!m_stopped && end - cursor >= 8) {
        uint64_t word;
        std::memcpy(&word, cursor, sizeof word);
        word = __builtin_bswap64(word);
        if (!HasFfByte(word)) {
            int bytes = (64 - m_count) >> 3;
            if (bytes < 8)
                word &= ~uint64_t(0) << (64 - 8 * bytes);
            m_bits |= word >> m_count;
            m_count += 8 * bytes;
            m_source.SetCursor(cursor + bytes);
            return;
        }
    }
    while (m_count <= 56) {
        if (m_stopped || end - cursor < 2) {
            m_source.SetCursor(cursor);
            if (!FillSlow())
                return;
            cursor = m_source.Cursor();
            end = m_source.End();
            continue;
        }
        uint8_t byte = cursor[0];
        if (byte == 0xFF) {
            if (cursor[1] != 0) {
                m_source.SetCursor(cursor);
                Stop();
                continue;
            }
            cursor += 2;
        } else {
            cursor += 1;
        }
        m_bits |= static_cast<uint64_t>(byte) << (56 - m_count);
        m_count += 8;
    }
    m_source.SetCursor(cursor);
}

void JpegBitReader::Stop()
{
    m_stopped = true;
    m_paddingBits = 0;
}

// Adds one byte when fewer than two are in the window; false once the
// buffer is full.
bool JpegBitReader::FillSlow()
{
    if (m_count > 56)
        return false;
    if (m_stopped) {
        m_paddingBits = std::min(m_paddingBits, m_count);
        while (m_count <= 56) {
            m_count += 8;
            m_paddingBits += 8;
        }
        return false;
    }
    bool atMarker = false;
    int byte = NextByteSlow(atMarker);
    if (byte < 0) {
        Stop();
        return true;
    }
    m_bits |= static_cast<uint64_t>(byte) << (56 - m_count);
    m_count += 8;
    return true;
}

// Reads one data byte at the cursor, refilling as needed; -1 when a marker
// (cursor left on its 0xFF) or the end of the source comes first.
int JpegBitReader::NextByteSlow(bool& atMarker)
{
    if (m_source.Cursor() == m_source.End() && !m_source.Refill())
        return -1;
    const uint8_t* cursor = m_source.Cursor();
    uint8_t byte = *cursor++;
    m_source.SetCursor(cursor);
    if (byte != 0xFF)
        return byte;
    if (cursor == m_source.End() && !m_source.Refill()) {
        // A lone 0xFF at the very end: step back onto it.
        m_source.SetCursor(m_source.Cursor() - 1);
        return -1;
    }
    cursor = m_source.Cursor();
    if (*cursor == 0) {
        m_source.SetCursor(cursor + 1);
        return 0xFF;
    }
    // A marker: step back onto its 0xFF (after a refill that is the byte
    // kept in front of the new fill).
    m_source.SetCursor(cursor - 1);
    atMarker = true;
    return -1;
}

void JpegBitReader::Restart()
{
    m_bits = 0;
    m_count = 0;
    m_paddingBits = 0;
    // Look for the next marker, skipping whatever data is left in between.
    for (;;) {
        if (m_source.Cursor() == m_source.End() && !m_source.Refill()) {
            m_stopped = true;
            return;
        }
        const uint8_t* cursor = m_source.Cursor();
        if (*cursor != 0xFF) {
            m_source.SetCursor(cursor + 1);
            continue;
        }
        m_source.SetCursor(cursor + 1);
        if (m_source.Cursor() == m_source.End() && !m_source.Refill()) {
            m_source.SetCursor(m_source.Cursor() - 1);
            m_stopped = true;
            return;
        }
        uint8_t code = *m_source.Cursor();
        if (code == 0 || code == 0xFF)
            continue; // stuffed byte, or fill before the marker
        if (code >= 0xD0 && code <= 0xD7) {
            m_source.SetCursor(m_source.Cursor() + 1);
            m_stopped = false;
            return;
        }
        // Some other marker (the end of the image, usually): the data is
        // over; stay on the marker and feed zeros.
        m_source.SetCursor(m_source.Cursor() - 1);
        m_stopped = true;
        return;
    }
}

void JpegBitReader::Finish()
{
    m_bits = 0;
    m_count = 0;
}
