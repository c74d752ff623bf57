// libFuzzer target: every input is a JPEG, read from memory or, for some
// inputs, from a file. The decoder must neither read outside it nor crash,
// whatever it holds.

#include "imaging/JpegImage.h"
#include "imaging/LoadFlags.h"
#include "platform/File.h"

#include <cstddef>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

// Pictures are bounded so that one input takes milliseconds: a tiny file
// may claim 65535 x 65535 pixels, all of which the decoder would produce.
static constexpr uint64_t MaximumPixels = 1u << 20;

static void Exercise(JpegImage& image, uint8_t choice)
{
    JpegInfo info;
    if (image.ReadInfo(info) != Error::Success)
        return;
    uint64_t pixels = uint64_t(info.width) * info.height;
    if (pixels <= MaximumPixels) {
        (void)image.Decode(choice & 3, false);
        uint32_t flags = (choice & 0x10 ? LoadFlags::NoRotate : 0) | (choice & 0x20 ? LoadFlags::FillAndCrop : 0)
            | (choice & 0x40 ? LoadFlags::NoFinerScale : 0) | (choice & 0x80 ? LoadFlags::AlwaysUseExifThumbnail : 0);
        Rect rect { 0, 0, 96 + (choice & 0x0C) * 8, 72 };
        Dib bitmap;
        (void)image.LoadBitmap(rect, flags, bitmap);
    }
    if (info.hasExifThumbnail)
        (void)image.Decode((choice >> 2) & 3, true);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    uint8_t choice = size ? data[size - 1] : 0;
    if ((choice & 0x03) == 0x03 && (choice & 0x0C)) {
        // Through the file buffer, with its refills and look-back byte.
        int fd = ::memfd_create("jpeg", MFD_CLOEXEC);
        if (fd < 0)
            return 0;
        File file(fd);
        if (file.WriteAll(data, size) == Error::Success) {
            JpegImage image(file);
            Exercise(image, choice);
        }
        return 0;
    }
    JpegImage image(data, size);
    Exercise(image, choice);
    return 0;
}
