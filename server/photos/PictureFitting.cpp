#include "server/photos/PictureFitting.h"

#include "imaging/Dib.h"
#include "imaging/JpegImage.h"
#include "imaging/SaveDibAsJpeg.h"
#include "imaging/ScaleRotate565.h"

#include <algorithm>
#include <cmath>

namespace {

const uint8_t* Bytes(std::string_view jpeg)
{
    return reinterpret_cast<const uint8_t*>(jpeg.data());
}

// The coarsest decoding scale (1/2^scale) that still gives at least the
// wanted size, so that the box filter has whole pixels to average.
int DecodingScale(PictureSize picture, PictureSize wanted)
{
    int scale = 0;
    while (scale < 3 && (picture.width >> (scale + 1)) >= wanted.width && (picture.height >> (scale + 1)) >= wanted.height)
        ++scale;
    return scale;
}

}

ErrorOr<PictureSize> ReadPictureSize(std::string_view jpeg)
{
    JpegImage image(Bytes(jpeg), jpeg.size());
    JpegInfo info;
    if (ErrorCode code = image.ReadInfo(info); code != Error::Success)
        return code;
    // Larger than any camera's photo: a small file may claim a size whose
    // decoding alone would take the service's memory and time.
    if (info.width == 0 || info.height == 0 || std::uint64_t(info.width) * info.height > MaximumPhotoPixels)
        return Error::InvalidData;
    return PictureSize { info.width, info.height };
}

ErrorCode CheckPictureDecodes(std::string_view jpeg)
{
    // The smallest decode reads every block of the file, so a file that
    // passes here can be scaled to any size later.
    JpegImage image(Bytes(jpeg), jpeg.size());
    auto decoded = image.Decode(3, false);
    return decoded.IsError() ? decoded.GetError() : Error::Success;
}

ErrorOr<PictureSize> CheckDecodablePicture(std::string_view jpeg)
{
    auto size = ReadPictureSize(jpeg);
    if (size.IsError())
        return size;
    if (ErrorCode code = CheckPictureDecodes(jpeg); code != Error::Success)
        return code;
    return size;
}

PictureSize FittedSize(PictureSize size, int longSide, int shortSide)
{
    bool landscape = size.width >= size.height;
    int boxWidth = landscape ? longSide : shortSide;
    int boxHeight = landscape ? shortSide : longSide;
    if (size.width <= boxWidth && size.height <= boxHeight)
        return size;
    double factor = std::min(double(boxWidth) / size.width, double(boxHeight) / size.height);
    return PictureSize { std::max(1, int(std::lround(size.width * factor))), std::max(1, int(std::lround(size.height * factor))) };
}

ErrorCode WriteScaledPicture(std::string_view jpeg, PictureSize size, int quality, const std::string& path)
{
    JpegImage image(Bytes(jpeg), jpeg.size());
    JpegInfo info;
    if (ErrorCode code = image.ReadInfo(info); code != Error::Success)
        return code;
    auto decoded = image.Decode(DecodingScale(PictureSize { info.width, info.height }, size), false);
    if (decoded.IsError())
        return decoded.GetError();
    auto scaled = CreateDibForOverwrite(size.width, size.height, 16);
    if (scaled.IsError())
        return scaled.GetError();
    ScaleRotate565(decoded->Bits(), decoded->Stride(), decoded->Width(), decoded->Height(), Rotation::None, scaled->Bits(),
        scaled->Stride(), size.width, size.height);
    return SaveDibAsJpeg(*scaled, path, quality);
}
