#pragma once

#include "JpegTestKit.h"
#include "imaging/Dib.h"
#include "imaging/JpegImage.h"

#include <algorithm>
#include <string>
#include <vector>

// Decodes a JPEG held in memory with our decoder at 1/2^scale.
inline ErrorOr<Dib> DecodeOurs(const std::vector<uint8_t>& jpeg, int scale, bool exifThumbnail = false)
{
    JpegImage image(jpeg.data(), jpeg.size());
    return image.Decode(scale, exifThumbnail);
}

// PSNR of our decode against libjpeg-turbo's at the same scale.
inline double PsnrAgainstReference(const std::vector<uint8_t>& jpeg, int scale)
{
    auto ours = DecodeOurs(jpeg, scale);
    if (ours.IsError())
        return 0;
    RgbPicture reference = ReferenceDecode(jpeg, 1 << scale);
    std::vector<uint16_t> packed = PackRgb565(reference);
    int width = std::min(ours->Width(), reference.width);
    int height = std::min(ours->Height(), reference.height);
    return Psnr565(ours->Row16(0), ours->Stride() / 2, packed.data(), static_cast<size_t>(reference.width), width, height);
}

// True when both bitmaps have the same visible size and pixels.
inline bool SamePixels(const Dib& a, const Dib& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height() || a.BitCount() != b.BitCount())
        return false;
    size_t rowBytes = static_cast<size_t>(a.Width()) * static_cast<size_t>(a.BitCount() / 8);
    for (int y = 0; y < a.Height(); ++y) {
        if (!std::equal(a.Row(y), a.Row(y) + rowBytes, b.Row(y)))
            return false;
    }
    return true;
}

// A small photo-like JPEG.
inline std::vector<uint8_t> SmallJpeg(JpegOptions options = {}, int width = 48, int height = 32)
{
    return EncodeJpeg(MakePhotoLikePicture(width, height, 11), options);
}

// Offset of the first marker segment with this code before the scan data
// (the offset of its 0xFF); npos when there is none.
inline size_t FindSegment(const std::vector<uint8_t>& jpeg, uint8_t code)
{
    size_t at = 2;
    while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF) {
        if (jpeg[at + 1] == code)
            return at;
        if (jpeg[at + 1] == 0xDA)
            break;
        at += 2 + ((jpeg[at + 2] << 8) | jpeg[at + 3]);
    }
    return std::string::npos;
}

inline std::vector<uint8_t> WithoutSegments(std::vector<uint8_t> jpeg, uint8_t code)
{
    for (size_t at; (at = FindSegment(jpeg, code)) != std::string::npos;)
        jpeg.erase(jpeg.begin() + static_cast<long>(at), jpeg.begin() + static_cast<long>(at + 2 + ((jpeg[at + 2] << 8) | jpeg[at + 3])));
    return jpeg;
}

inline std::vector<uint8_t> WithSegmentAfterSoi(std::vector<uint8_t> jpeg, const std::vector<uint8_t>& segment)
{
    jpeg.insert(jpeg.begin() + 2, segment.begin(), segment.end());
    return jpeg;
}

inline ErrorCode DecodeError(const std::vector<uint8_t>& jpeg, int scale = 0)
{
    auto decoded = DecodeOurs(jpeg, scale);
    return decoded.GetError();
}

inline ErrorCode InfoError(const std::vector<uint8_t>& jpeg)
{
    JpegImage image(jpeg.data(), jpeg.size());
    JpegInfo info;
    return image.ReadInfo(info);
}
