#pragma once

#include "platform/ErrorCode.h"

#include <cstddef>
#include <cstdint>
#include <memory>

class File;

// The bytes a JPEG is read from: a memory block read in place, or an open
// file read through a buffer of FileFillSize bytes. Each refill of the file
// buffer keeps the last byte of the previous fill in front of the new bytes,
// so that a reader may always step back one byte. Nothing is ever read
// outside the source's range.
class JpegSource {
public:
    static constexpr size_t FileFillSize = 38912;

    JpegSource(const uint8_t* data, size_t size);
    explicit JpegSource(File& file);
    JpegSource(const JpegSource&) = delete;
    JpegSource& operator=(const JpegSource&) = delete;

    // The bytes at hand: [Cursor(), End()). Readers move the cursor with
    // SetCursor() and ask for more with Refill() once they reach the end.
    const uint8_t* Cursor() const { return m_cursor; }
    const uint8_t* End() const { return m_end; }
    void SetCursor(const uint8_t* cursor) { m_cursor = cursor; }

    // Fetches the next bytes once the window is used up; false (and the
    // window untouched) at the end of the source.
    bool Refill();

    // Offset of the cursor from the start of the source.
    uint64_t Offset() const { return m_windowOffset + static_cast<uint64_t>(m_cursor - m_windowStart); }

    // Starts reading again at offset, reading nothing at or beyond limit.
    ErrorCode Restart(uint64_t offset, uint64_t limit);

    // Byte-level reading for the marker segments.
    int ReadByte(); // -1 at the end
    int ReadWord(); // big-endian 16 bits, -1 at the end
    bool ReadBytes(uint8_t* destination, size_t count);
    bool Skip(size_t count);

private:
    void SetWindow(const uint8_t* start, const uint8_t* end, uint64_t offset);

    // Memory source.
    const uint8_t* m_data { nullptr };
    size_t m_size { 0 };
    // File source.
    File* m_file { nullptr };
    std::unique_ptr<uint8_t[]> m_buffer; // one byte of look-back, then a fill
    uint64_t m_fileOffset { 0 };         // where the next fill comes from
    uint64_t m_limit { 0 };

    const uint8_t* m_windowStart { nullptr }; // first byte of the current fill
    uint64_t m_windowOffset { 0 };            // its offset in the source
    const uint8_t* m_cursor { nullptr };
    const uint8_t* m_end { nullptr };
};
