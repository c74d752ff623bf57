// libFuzzer target: every input is a JPEG held in memory. The decoder must
// neither read outside it nor crash, whatever it holds.

#include "imaging/JpegImage.h"
#include "imaging/LoadFlags.h"

#include <cstddef>
#include <cstdint>

// Pictures are bounded so that one input takes milliseconds: a tiny file
// may claim 65535 x 65535 pixels, all of which the decoder would produce.
static constexpr uint64_t MaximumPixels = 1u << 20;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    JpegImage image(data, size);
    JpegInfo info;
    if (image.ReadInfo(info) != Error::Success)
        return 0;
    uint64_t pixels = uint64_t(info.width) * info.height;
    uint8_t choice = size ? data[size - 1] : 0;
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
    return 0;
}
