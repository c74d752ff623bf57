#pragma once

#include "JpegTestKit.h"
#include "imaging/Dib.h"
#include "imaging/JpegImage.h"

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
