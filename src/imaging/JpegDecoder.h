#pragma once

#include "imaging/Dib.h"
#include "imaging/ExifReader.h"
#include "imaging/HuffmanTable.h"
#include "imaging/JpegFrame.h"
#include "platform/ErrorOr.h"

#include <memory>

class JpegSource;
struct JpegScan;
struct ScanSetup;

// Whether a code is one of the decoder's own (the negative codes from -200):
// the picture itself could not be decoded.
bool IsJpegDecoderError(ErrorCode code);

// Our JPEG decoder: baseline and extended-sequential Huffman JPEG, decoded
// straight into an RGB565 bitmap at 1/1, 1/2, 1/4 or 1/8 of its size.
// Progressive and arithmetic-coded files are refused. The first error found
// is kept; every later step returns it without doing anything.
class JpegDecoder {
public:
    explicit JpegDecoder(JpegSource& source);
    ~JpegDecoder();
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;

    // Finds SOI and reads the markers up to and including the frame header
    // (tables, restart interval, EXIF).
    ErrorCode ReadHeader();

    // Reads on to the scan and decodes it into a new bitmap of the
    // MCU-padded size >> scale, whose visible size is then narrowed to the
    // picture's own size >> scale (at least one pixel). Call after
    // ReadHeader().
    ErrorOr<Dib> DecodePicture(int scale);

    // Starts again on the thumbnail of the EXIF block that ReadHeader() found:
    // reading restarts at the thumbnail's offset and stops at its end. The
    // EXIF information of the main picture is kept.
    ErrorCode StartThumbnail();

    // Starts again from the top of the source.
    ErrorCode StartOver();

    const JpegFrame& Frame() const { return m_frame; }
    const ExifInfo& Exif() const { return m_exif; }
    ErrorCode GetError() const { return m_error; }

private:
    struct Tables;

    enum class Segments {
        UpToFrame,
        UpToScan,
    };

    ErrorCode Fail(ErrorCode error);
    int ReadSegmentsUpTo(Segments until);
    void ResetState();
    int NextMarker();
    ErrorCode FindStart();
    ErrorCode ReadSegmentLength(int& length);
    ErrorCode ReadHuffmanTables();
    ErrorCode ReadQuantTables();
    ErrorCode ReadRestartInterval();
    ErrorCode ReadApp1();
    ErrorCode ReadFrameHeader();
    ErrorCode SkipSegment();
    ErrorCode CheckLayout() const;
    ErrorCode ReadScanHeader(JpegScan& scan);
    void PrepareScan(const JpegScan& scan, int scale, ScanSetup& setup) const;

    JpegSource& m_source;
    ErrorCode m_error { Error::Success };
    bool m_headerRead { false };
    bool m_readingThumbnail { false };
    JpegFrame m_frame;
    ExifInfo m_exif;
    uint64_t m_exifTiffOffset { 0 }; // where the EXIF block's TIFF header is
    uint16_t m_restartInterval { 0 };
    std::unique_ptr<Tables> m_tables;
};
