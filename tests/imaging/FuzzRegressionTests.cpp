#include "ImagingTestHelpers.h"
#include "imaging/LoadFlags.h"
#include "platform/File.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

// Inputs the fuzzer turned up (tests/data/jpeg-fuzz): each must go through
// every entry point at every scale without a fault (the sanitizer builds
// check the memory accesses).
TEST(FuzzRegressions, EveryKeptInputDecodesSafely)
{
    std::string folder = std::string(VBX_TEST_DATA_DIR) + "/jpeg-fuzz";
    auto names = ListFolder(folder);
    ASSERT_FALSE(names.IsError());
    ASSERT_FALSE(names->empty());
    for (const auto& name : *names) {
        auto bytes = ReadWholeFile(folder + "/" + name.name);
        ASSERT_FALSE(bytes.IsError());
        std::vector<uint8_t> jpeg(bytes->begin(), bytes->end());
        JpegImage image(jpeg.data(), jpeg.size());
        JpegInfo info;
        if (image.ReadInfo(info) != Error::Success)
            continue;
        for (int scale = 0; scale < 4; ++scale) {
            (void)image.Decode(scale, false);
            (void)image.Decode(scale, true);
        }
        Rect rect { 0, 0, 96, 96 };
        Dib bitmap;
        (void)image.LoadBitmap(rect, LoadFlags::FillAndCrop, bitmap);
    }
}
