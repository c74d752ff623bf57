#include "JpegDecoderExercise.h"

#include "imaging/JpegImage.h"
#include "imaging/LoadFlags.h"
#include "platform/File.h"

#include <sys/mman.h>

namespace {

std::string Code(ErrorCode code)
{
    return std::to_string(static_cast<std::int32_t>(static_cast<std::uint32_t>(code)));
}

bool WithinBound(const JpegInfo& info, std::uint64_t maximumPixels)
{
    return std::uint64_t(info.width) * info.height <= maximumPixels;
}

}

void ExerciseJpeg(JpegImage& image, std::uint8_t choice)
{
    JpegInfo info;
    if (image.ReadInfo(info) != Error::Success)
        return;
    if (WithinBound(info, kMaximumFuzzedPixels)) {
        (void)image.Decode(choice & 3, false);
        std::uint32_t flags = (choice & 0x10 ? LoadFlags::NoRotate : 0) | (choice & 0x20 ? LoadFlags::FillAndCrop : 0)
            | (choice & 0x40 ? LoadFlags::NoFinerScale : 0) | (choice & 0x80 ? LoadFlags::AlwaysUseExifThumbnail : 0);
        Rect rect { 0, 0, 96 + (choice & 0x0C) * 8, 72 };
        Dib bitmap;
        (void)image.LoadBitmap(rect, flags, bitmap);
    }
    if (info.hasExifThumbnail)
        (void)image.Decode((choice >> 2) & 3, true);
}

std::string DescribeJpegOutcome(std::span<const std::uint8_t> bytes)
{
    JpegImage image(bytes.data(), bytes.size());
    JpegInfo info;
    ErrorCode header = image.ReadInfo(info);
    std::string outcome = "info " + Code(header) + " " + std::to_string(info.width) + "x" + std::to_string(info.height) + (info.hasExifThumbnail ? " exif" : "");
    if (header != Error::Success)
        return outcome;
    if (!WithinBound(info, kMaximumReplayedPixels))
        return outcome + "; too big to decode here";
    outcome += "; decode";
    for (int scale = 0; scale < 4; ++scale)
        outcome += " " + Code(image.Decode(scale, false).GetError());
    if (info.hasExifThumbnail) {
        outcome += "; thumbnail";
        for (int scale = 0; scale < 4; ++scale)
            outcome += " " + Code(image.Decode(scale, true).GetError());
    }
    Rect rect { 0, 0, 96, 96 };
    Dib bitmap;
    outcome += "; fill " + Code(image.LoadBitmap(rect, LoadFlags::FillAndCrop, bitmap));

    // The same through the file buffer, with its refills and look-back byte.
    int fd = ::memfd_create("jpeg", MFD_CLOEXEC);
    if (fd < 0)
        return outcome + "; no file";
    File file(fd);
    if (file.WriteAll(bytes.data(), bytes.size()) != Error::Success)
        return outcome + "; no file";
    JpegImage fromFile(file);
    JpegInfo fileInfo;
    outcome += "; file " + Code(fromFile.ReadInfo(fileInfo)) + " " + Code(fromFile.Decode(3, false).GetError());
    return outcome;
}
