#include "CameraPhotos.h"

#include "support/JpegTestKit.h"

#include <vector>

namespace {

// Writes a TIFF structure in either byte order.
class TiffWriter {
public:
    explicit TiffWriter(bool bigEndian)
        : m_bigEndian(bigEndian)
    {
    }
    void U16(std::uint16_t value)
    {
        if (m_bigEndian) {
            m_bytes += char(value >> 8);
            m_bytes += char(value);
        } else {
            m_bytes += char(value);
            m_bytes += char(value >> 8);
        }
    }
    void U32(std::uint32_t value)
    {
        if (m_bigEndian) {
            U16(std::uint16_t(value >> 16));
            U16(std::uint16_t(value));
        } else {
            U16(std::uint16_t(value));
            U16(std::uint16_t(value >> 16));
        }
    }
    void Entry(std::uint16_t tag, std::uint16_t type, std::uint32_t count, std::uint32_t value)
    {
        U16(tag);
        U16(type);
        U32(count);
        U32(value);
    }
    // A short inline ASCII value (up to 4 bytes) as the value field.
    void InlineAscii(std::uint16_t tag, const char* text, std::uint32_t count)
    {
        U16(tag);
        U16(2);
        U32(count);
        std::string padded(text, count);
        padded.resize(4, '\0');
        m_bytes += padded;
    }
    void Raw(const std::string& bytes) { m_bytes += bytes; }
    size_t Size() const { return m_bytes.size(); }
    const std::string& Bytes() const { return m_bytes; }

private:
    bool m_bigEndian;
    std::string m_bytes;
};

constexpr std::uint32_t Marker(const char* text)
{
    return std::uint32_t(std::uint8_t(text[0])) << 24 | std::uint32_t(std::uint8_t(text[1])) << 16 | std::uint32_t(std::uint8_t(text[2])) << 8
        | std::uint8_t(text[3]);
}

}

std::string ExifWithLocation(bool bigEndian)
{
    // Layout (offsets from the TIFF header): header 8, IFD0 at 8 with 5
    // entries (62 bytes), then the values: make, model, the Exif IFD, the
    // GPS IFD and its rationals.
    const std::string make = "TestCam";
    const std::string model = "Model 1";
    const std::string taken = "2006:07:01 12:00:00";
    TiffWriter tiff(bigEndian);
    tiff.Raw(bigEndian ? std::string("MM\0*", 4) : std::string("II*\0", 4));
    tiff.U32(8);
    std::uint32_t values = 8 + 2 + 5 * 12 + 4;
    std::uint32_t makeAt = values;
    std::uint32_t modelAt = makeAt + std::uint32_t(make.size() + 1);
    std::uint32_t exifAt = modelAt + std::uint32_t(model.size() + 1);
    std::uint32_t takenAt = exifAt + 2 + 12 + 4;
    std::uint32_t gpsAt = takenAt + std::uint32_t(taken.size() + 1);
    std::uint32_t latitudeAt = gpsAt + 2 + 4 * 12 + 4;
    std::uint32_t longitudeAt = latitudeAt + 24;

    tiff.U16(5);
    tiff.Entry(0x010F, 2, std::uint32_t(make.size() + 1), makeAt);
    tiff.Entry(0x0110, 2, std::uint32_t(model.size() + 1), modelAt);
    tiff.Entry(0x0112, 3, 1, bigEndian ? 0x00010000 : 1); // orientation, inline
    tiff.Entry(0x8769, 4, 1, exifAt);
    tiff.Entry(0x8825, 4, 1, gpsAt);
    tiff.U32(0);
    tiff.Raw(make + '\0');
    tiff.Raw(model + '\0');
    tiff.U16(1);
    tiff.Entry(0x9003, 2, std::uint32_t(taken.size() + 1), takenAt);
    tiff.U32(0);
    tiff.Raw(taken + '\0');
    tiff.U16(4);
    tiff.InlineAscii(0x0001, "N", 2);
    tiff.Entry(0x0002, 5, 3, latitudeAt);
    tiff.InlineAscii(0x0003, "E", 2);
    tiff.Entry(0x0004, 5, 3, longitudeAt);
    tiff.U32(0);
    for (const char* marker : { "LAT1", "LAT2" }) {
        tiff.U32(Marker(marker));
        tiff.U32(1);
    }
    tiff.U32(3869);
    tiff.U32(100);
    for (const char* marker : { "LON1", "LON2" }) {
        tiff.U32(Marker(marker));
        tiff.U32(1);
    }
    tiff.U32(1234);
    tiff.U32(100);
    return std::string("Exif\0\0", 6) + tiff.Bytes();
}

std::string CameraJpeg(int width, int height, bool bigEndian)
{
    std::string exif = ExifWithLocation(bigEndian);
    JpegOptions options;
    options.app1.assign(exif.begin(), exif.end());
    std::vector<uint8_t> jpeg = EncodeJpeg(MakePhotoLikePicture(width, height, 7), options);
    return std::string(jpeg.begin(), jpeg.end());
}

std::string WithSegment(const std::string& jpeg, std::uint8_t marker, const std::string& payload)
{
    size_t length = payload.size() + 2;
    std::string segment { char(0xFF), char(marker), char(length >> 8), char(length & 0xFF) };
    return jpeg.substr(0, 2) + segment + payload + jpeg.substr(2);
}

std::string App1Payload(const std::string& jpeg, const std::string& prefix)
{
    size_t at = 2;
    while (at + 4 <= jpeg.size() && std::uint8_t(jpeg[at]) == 0xFF) {
        std::uint8_t marker = std::uint8_t(jpeg[at + 1]);
        if (marker == 0xDA || marker == 0xD9)
            break;
        size_t length = std::uint8_t(jpeg[at + 2]) << 8 | std::uint8_t(jpeg[at + 3]);
        std::string payload = jpeg.substr(at + 4, length - 2);
        if (marker == 0xE1 && payload.compare(0, prefix.size(), prefix) == 0)
            return payload;
        at += 2 + length;
    }
    return {};
}

bool HasLocationMarkers(const std::string& bytes)
{
    for (std::string marker : { "LAT1", "LAT2", "LON1", "LON2" }) {
        if (bytes.find(marker) != std::string::npos || bytes.find(std::string(marker.rbegin(), marker.rend())) != std::string::npos)
            return true;
    }
    return false;
}

bool HasGpsPointer(const std::string& jpeg)
{
    std::string exif = App1Payload(jpeg, std::string("Exif\0\0", 6));
    if (exif.size() < 14)
        return false;
    std::string tiff = exif.substr(6);
    bool big = tiff[0] == 'M';
    auto u16 = [&](size_t at) -> std::uint32_t {
        if (at + 2 > tiff.size())
            return 0;
        std::uint8_t a = std::uint8_t(tiff[at]), b = std::uint8_t(tiff[at + 1]);
        return big ? (a << 8 | b) : (b << 8 | a);
    };
    auto u32 = [&](size_t at) -> std::uint32_t { return big ? (u16(at) << 16 | u16(at + 2)) : (u16(at + 2) << 16 | u16(at)); };
    std::uint32_t directory = u32(4);
    for (int guard = 0; directory != 0 && directory < tiff.size() && guard < 8; ++guard) {
        std::uint32_t count = u16(directory);
        for (std::uint32_t i = 0; i < count; ++i) {
            if (u16(directory + 2 + i * 12) == 0x8825)
                return true;
        }
        directory = u32(directory + 2 + count * 12);
    }
    return false;
}

std::string ScanData(const std::string& jpeg)
{
    size_t at = 2;
    while (at + 4 <= jpeg.size()) {
        if (std::uint8_t(jpeg[at + 1]) == 0xDA)
            return jpeg.substr(at);
        at += 2 + (std::uint8_t(jpeg[at + 2]) << 8 | std::uint8_t(jpeg[at + 3]));
    }
    return {};
}
