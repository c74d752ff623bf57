#include "imaging/JpegDecoder.h"

#include "imaging/InverseDct.h"
#include "imaging/JpegBitReader.h"
#include "imaging/JpegScanDecoder.h"
#include "imaging/JpegSource.h"
#include "imaging/StandardHuffmanTables.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

enum Marker : int {
    MarkerSof0 = 0xC0,
    MarkerSof1 = 0xC1,
    MarkerSof2 = 0xC2,
    MarkerDht = 0xC4,
    MarkerJpg = 0xC8,
    MarkerSof9 = 0xC9,
    MarkerDac = 0xCC,
    MarkerSoi = 0xD8,
    MarkerEoi = 0xD9,
    MarkerSos = 0xDA,
    MarkerDqt = 0xDB,
    MarkerDri = 0xDD,
    MarkerApp1 = 0xE1,
    MarkerTem = 0x01,
};

bool IsStartOfFrame(int marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != MarkerDht && marker != MarkerJpg && marker != MarkerDac;
}

// How far into the source SOI may start.
constexpr int MaximumLeadingBytes = 511;

}

bool IsJpegDecoderError(ErrorCode code)
{
    auto value = static_cast<std::int32_t>(static_cast<std::uint32_t>(code));
    return value <= -200 && value > -300;
}

struct JpegDecoder::Tables {
    HuffmanTable dc[4];
    HuffmanTable ac[4];
    QuantTable quant[4];
};

JpegDecoder::JpegDecoder(JpegSource& source)
    : m_source(source)
    , m_tables(std::make_unique<Tables>())
{
}

JpegDecoder::~JpegDecoder() = default;

ErrorCode JpegDecoder::Fail(ErrorCode error)
{
    if (m_error == Error::Success)
        m_error = error;
    return m_error;
}

void JpegDecoder::ResetState()
{
    m_error = Error::Success;
    m_headerRead = false;
    m_frame = JpegFrame();
    m_restartInterval = 0;
    *m_tables = Tables();
}

ErrorCode JpegDecoder::StartOver()
{
    ResetState();
    m_readingThumbnail = false;
    m_exif = ExifInfo();
    return Fail(m_source.Restart(0, UINT64_MAX));
}

ErrorCode JpegDecoder::StartThumbnail()
{
    if (m_error)
        return m_error;
    if (!m_exif.hasThumbnail)
        return Fail(Error::JpegInvalid);
    uint64_t offset = m_exifTiffOffset + m_exif.thumbnailOffset;
    ResetState();
    m_readingThumbnail = true;
    return Fail(m_source.Restart(offset, offset + m_exif.thumbnailLength));
}

// The next marker's code: fill bytes 0xFF are skipped, and so is anything
// else that stands between segments. -1 at the end of the source.
int JpegDecoder::NextMarker()
{
    for (;;) {
        int byte = m_source.ReadByte();
        if (byte < 0)
            return -1;
        if (byte != 0xFF)
            continue;
        do {
            byte = m_source.ReadByte();
        } while (byte == 0xFF);
        if (byte < 0)
            return -1;
        if (byte != 0)
            return byte;
    }
}

ErrorCode JpegDecoder::FindStart()
{
    int previous = m_source.ReadByte();
    for (int start = 0; start <= MaximumLeadingBytes && previous >= 0; ++start) {
        int byte = m_source.ReadByte();
        if (byte < 0)
            break;
        if (previous == 0xFF && byte == MarkerSoi) {
            // The next segment must follow at once.
            const uint8_t* cursor = m_source.Cursor();
            if (cursor == m_source.End() && !m_source.Refill())
                return Fail(Error::JpegInvalid);
            if (*m_source.Cursor() != 0xFF)
                return Fail(Error::JpegInvalid);
            return Error::Success;
        }
        previous = byte;
    }
    return Fail(Error::JpegInvalid);
}

ErrorCode JpegDecoder::ReadSegmentLength(int& length)
{
    length = m_source.ReadWord();
    if (length < 0)
        return Fail(Error::JpegUnexpectedMarker);
    return Error::Success;
}

ErrorCode JpegDecoder::SkipSegment()
{
    int length = 0;
    if (ReadSegmentLength(length))
        return m_error;
    if (length < 2)
        return Fail(Error::JpegBadSegmentLength);
    if (!m_source.Skip(static_cast<size_t>(length - 2)))
        return Fail(Error::JpegUnexpectedMarker);
    return Error::Success;
}

ErrorCode JpegDecoder::ReadHuffmanTables()
{
    int length = 0;
    if (ReadSegmentLength(length))
        return m_error;
    if (length < 2)
        return Fail(Error::JpegHuffmanSegmentShort);
    int left = length - 2;
    while (left > 0) {
        if (left < 17)
            return Fail(Error::JpegHuffmanSegmentShort);
        uint8_t head[17];
        if (!m_source.ReadBytes(head, sizeof head))
            return Fail(Error::JpegUnexpectedMarker);
        int tableClass = head[0] >> 4;
        int number = head[0] & 15;
        if (tableClass > 1 || number > 3)
            return Fail(Error::JpegHuffmanBadTableId);
        int total = 0;
        for (int i = 1; i <= 16; ++i)
            total += head[i];
        if (total > 255)
            return Fail(Error::JpegHuffmanTooManyCodes);
        if (left < 17 + total)
            return Fail(Error::JpegHuffmanSegmentShort);
        uint8_t symbols[256];
        if (!m_source.ReadBytes(symbols, static_cast<size_t>(total)))
            return Fail(Error::JpegUnexpectedMarker);
        HuffmanTable& table = tableClass == 0 ? m_tables->dc[number] : m_tables->ac[number];
        table.Build(tableClass == 0 ? HuffmanTable::Class::Dc : HuffmanTable::Class::Ac, head + 1, symbols, total);
        left -= 17 + total;
    }
    return Error::Success;
}

ErrorCode JpegDecoder::ReadQuantTables()
{
    int length = 0;
    if (ReadSegmentLength(length))
        return m_error;
    if (length < 2)
        return Fail(Error::JpegQuantSegmentShort);
    int left = length - 2;
    while (left > 0) {
        int head = m_source.ReadByte();
        if (head < 0)
            return Fail(Error::JpegUnexpectedMarker);
        int number = head & 15;
        bool wide = (head >> 4) != 0;
        if (number >= 4)
            return Fail(Error::JpegQuantBadTableId);
        int size = wide ? 128 : 64;
        if (left < 1 + size)
            return Fail(Error::JpegQuantTableShort);
        uint8_t values[128];
        if (!m_source.ReadBytes(values, static_cast<size_t>(size)))
            return Fail(Error::JpegUnexpectedMarker);
        QuantTable& table = m_tables->quant[number];
        for (int k = 0; k < 64; ++k) {
            uint16_t value = wide ? static_cast<uint16_t>((values[2 * k] << 8) | values[2 * k + 1]) : values[k];
            table.values[ZigZagToNatural[k]] = value;
        }
        table.defined = true;
        left -= 1 + size;
    }
    return Error::Success;
}

ErrorCode JpegDecoder::ReadRestartInterval()
{
    int length = 0;
    if (ReadSegmentLength(length))
        return m_error;
    if (length != 4)
        return Fail(Error::JpegBadRestartLength);
    int interval = m_source.ReadWord();
    if (interval < 0)
        return Fail(Error::JpegUnexpectedMarker);
    m_restartInterval = static_cast<uint16_t>(interval);
    return Error::Success;
}

ErrorCode JpegDecoder::ReadApp1()
{
    int length = 0;
    if (ReadSegmentLength(length))
        return m_error;
    if (length < 2)
        return Fail(Error::JpegBadSegmentLength);
    size_t size = static_cast<size_t>(length - 2);
    uint64_t start = m_source.Offset();
    // The segment is copied out, so that it is read whole even when it runs
    // past the bytes the file buffer holds.
    std::vector<uint8_t> segment(size);
    if (!m_source.ReadBytes(segment.data(), size))
        return Fail(Error::JpegUnexpectedMarker);
    static constexpr uint8_t ExifName[6] = { 'E', 'x', 'i', 'f', 0, 0 };
    if (m_readingThumbnail || size < 6 || std::memcmp(segment.data(), ExifName, 6) != 0)
        return Error::Success;
    m_exif = ReadExif(segment.data() + 6, size - 6);
    m_exifTiffOffset = start + 6;
    return Error::Success;
}

ErrorCode JpegDecoder::ReadFrameHeader()
{
    int length = 0;
    if (ReadSegmentLength(length))
        return m_error;
    uint8_t head[6];
    if (!m_source.ReadBytes(head, sizeof head))
        return Fail(Error::JpegUnexpectedMarker);
    if (head[0] != 8)
        return Fail(Error::JpegBadPrecision);
    int count = head[5];
    if (count > 4)
        return Fail(Error::JpegTooManyComponents);
    if (length != 8 + 3 * count)
        return Fail(Error::JpegBadFrameLength);
    m_frame.height = static_cast<uint16_t>((head[1] << 8) | head[2]);
    m_frame.width = static_cast<uint16_t>((head[3] << 8) | head[4]);
    m_frame.componentCount = count;
    for (int i = 0; i < count; ++i) {
        uint8_t entry[3];
        if (!m_source.ReadBytes(entry, sizeof entry))
            return Fail(Error::JpegUnexpectedMarker);
        JpegComponent& component = m_frame.components[i];
        component.id = entry[0];
        component.horizontal = entry[1] >> 4;
        component.vertical = entry[1] & 15;
        component.quantTable = entry[2];
    }
    return Error::Success;
}

// The one marker loop (T.81, B.2.1 and B.6): between SOI and the frame
// header, and again between the frame header and the scan, come tables,
// restart intervals and application data in any order. ReadHeader() reads
// up to the frame header, DecodePicture() on to the scan header. Returns
// the marker it stopped at (SOF0, SOF1 or SOS), or -1 once it failed.
int JpegDecoder::ReadSegmentsUpTo(Segments until)
{
    bool beforeFrame = until == Segments::UpToFrame;
    for (;;) {
        int marker = NextMarker();
        ErrorCode step = Error::Success;
        switch (marker) {
        case MarkerDht:
            step = ReadHuffmanTables();
            break;
        case MarkerDqt:
            step = ReadQuantTables();
            break;
        case MarkerDri:
            step = ReadRestartInterval();
            break;
        case MarkerApp1:
            // The EXIF block belongs to the picture's headers; one after the
            // frame header is skipped like any other segment.
            step = beforeFrame ? ReadApp1() : SkipSegment();
            break;
        case MarkerSof0:
        case MarkerSof1:
            if (beforeFrame)
                return marker;
            step = Fail(Error::JpegUnexpectedMarker);
            break;
        case MarkerSos:
            if (!beforeFrame)
                return marker;
            step = Fail(Error::JpegUnexpectedMarker);
            break;
        // A second frame header is unexpected whatever its kind; the first
        // one says why the picture cannot be decoded.
        case MarkerSof2:
            step = Fail(beforeFrame ? Error::JpegProgressive : Error::JpegUnexpectedMarker);
            break;
        case MarkerSof9:
            step = Fail(beforeFrame ? Error::JpegArithmetic : Error::JpegUnexpectedMarker);
            break;
        case MarkerDac:
            step = Fail(Error::JpegArithmetic);
            break;
        case MarkerJpg:
        case MarkerTem:
        case MarkerSoi:
        case MarkerEoi:
        case -1:
            step = Fail(Error::JpegUnexpectedMarker);
            break;
        default:
            if (IsStartOfFrame(marker))
                step = Fail(beforeFrame ? Error::JpegUnsupportedFrame : Error::JpegUnexpectedMarker);
            else if (marker >= 0xD0 && marker <= 0xD7)
                step = Fail(Error::JpegUnexpectedMarker);
            else
                step = SkipSegment();
            break;
        }
        if (step)
            return -1;
    }
}

ErrorCode JpegDecoder::ReadHeader()
{
    if (m_error || m_headerRead)
        return m_error;
    if (FindStart())
        return m_error;
    if (ReadSegmentsUpTo(Segments::UpToFrame) < 0)
        return m_error;
    if (ReadFrameHeader() == Error::Success)
        m_headerRead = true;
    return m_error;
}

ErrorCode JpegDecoder::CheckLayout() const
{
    if (m_frame.componentCount != 1 && m_frame.componentCount != 3)
        return Error::JpegBadComponentCount;
    for (int i = 0; i < m_frame.componentCount; ++i) {
        if (m_frame.components[i].quantTable >= 4)
            return Error::JpegQuantBadTableId;
    }
    if (m_frame.componentCount == 1)
        return Error::Success;
    const JpegComponent& luma = m_frame.components[0];
    if (luma.horizontal < 1 || luma.horizontal > 2 || luma.vertical < 1 || luma.vertical > 2)
        return Error::JpegUnsupportedSampling;
    for (int i = 1; i < 3; ++i) {
        if (m_frame.components[i].horizontal != 1 || m_frame.components[i].vertical != 1)
            return Error::JpegUnsupportedSampling;
    }
    return Error::Success;
}

ErrorCode JpegDecoder::ReadScanHeader(JpegScan& scan)
{
    int length = 0;
    if (ReadSegmentLength(length))
        return m_error;
    int count = m_source.ReadByte();
    if (count < 1 || count > 4 || length != 6 + 2 * count)
        return Fail(Error::JpegBadScanHeader);
    scan.componentCount = count;
    bool used[4] {};
    for (int i = 0; i < count; ++i) {
        int id = m_source.ReadByte();
        int tables = m_source.ReadByte();
        if (tables < 0)
            return Fail(Error::JpegUnexpectedMarker);
        int index = -1;
        for (int c = 0; c < m_frame.componentCount; ++c) {
            if (m_frame.components[c].id == id)
                index = c;
        }
        if (index < 0)
            return Fail(Error::JpegUnknownScanComponent);
        if (used[index] || (tables >> 4) > 3 || (tables & 15) > 3)
            return Fail(Error::JpegBadScanHeader);
        used[index] = true;
        scan.components[i] = { index, static_cast<uint8_t>(tables >> 4), static_cast<uint8_t>(tables & 15) };
    }
    if (!m_source.Skip(3))
        return Fail(Error::JpegUnexpectedMarker);
    // Only scans that carry every component at once are decoded: the picture
    // is written out MCU by MCU, never held whole.
    if (count != m_frame.componentCount)
        return Fail(Error::JpegBadScanHeader);
    return Error::Success;
}

void JpegDecoder::PrepareScan(const JpegScan& scan, int scale, ScanSetup& setup) const
{
    setup.componentCount = scan.componentCount;
    setup.grey = m_frame.componentCount == 1;
    setup.lumaHorizontal = setup.grey ? 1 : m_frame.components[0].horizontal;
    setup.lumaVertical = setup.grey ? 1 : m_frame.components[0].vertical;
    int mcuWidth = 8 * setup.lumaHorizontal;
    int mcuHeight = 8 * setup.lumaVertical;
    setup.mcuColumns = (m_frame.width + mcuWidth - 1) / mcuWidth;
    setup.mcuRows = (m_frame.height + mcuHeight - 1) / mcuHeight;
    setup.scale = scale;
    setup.restartInterval = m_restartInterval;
    for (int i = 0; i < scan.componentCount; ++i) {
        const JpegScanComponent& source = scan.components[i];
        const JpegComponent& frameComponent = m_frame.components[source.frameIndex];
        ScanComponentSetup& component = setup.components[i];
        component.plane = source.frameIndex;
        bool luma = source.frameIndex == 0;
        component.blocksWide = luma ? setup.lumaHorizontal : 1;
        component.blocksHigh = luma ? setup.lumaVertical : 1;
        component.dcTable = &TableOrStandard(m_tables->dc[source.dcTable], HuffmanTable::Class::Dc, source.dcTable);
        component.acTable = &TableOrStandard(m_tables->ac[source.acTable], HuffmanTable::Class::Ac, source.acTable);
        const QuantTable& quant = m_tables->quant[frameComponent.quantTable];
        for (int k = 0; k < 64; ++k) {
            int natural = ZigZagToNatural[k];
            int32_t value = quant.values[natural];
            component.quant[k] = scale == 0 ? AanQuantScale(value, natural) : std::min<int32_t>(value, 16383);
        }
        for (int k = 64; k < 80; ++k)
            component.quant[k] = 0;
    }
}

ErrorOr<Dib> JpegDecoder::DecodePicture(int scale)
{
    if (auto error = ReadHeader())
        return ErrorOr<Dib>::FromError(error);
    if (auto error = CheckLayout())
        return ErrorOr<Dib>::FromError(Fail(error));
    if (m_frame.width == 0 || m_frame.height == 0)
        return ErrorOr<Dib>::FromError(Fail(Error::JpegInvalid));

    JpegScan scan;
    if (ReadSegmentsUpTo(Segments::UpToScan) < 0)
        return ErrorOr<Dib>::FromError(m_error);
    if (auto error = ReadScanHeader(scan))
        return ErrorOr<Dib>::FromError(error);

    scale = std::clamp(scale, 0, 3);
    auto setup = std::make_unique<ScanSetup>();
    PrepareScan(scan, scale, *setup);
    int blockSize = 8 >> scale;
    auto bitmap = CreateDibForOverwrite(setup->mcuColumns * setup->lumaHorizontal * blockSize, setup->mcuRows * setup->lumaVertical * blockSize, 16);
    if (bitmap.IsError())
        return ErrorOr<Dib>::FromError(Fail(bitmap.GetError()));

    JpegBitReader reader(m_source);
    DecodeScan(*setup, reader, *bitmap);
    reader.Finish();
    bitmap->Narrow(std::max(m_frame.width >> scale, 1), std::max(m_frame.height >> scale, 1));
    return bitmap;
}
