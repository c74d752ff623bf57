#include "ImagingTestHelpers.h"

#include <gtest/gtest.h>

namespace {

struct Layout {
    const char* name;
    int horizontal;
    int vertical;
    bool grey;
};

constexpr Layout Layouts[] = {
    { "4:2:0", 2, 2, false },
    { "4:2:2", 2, 1, false },
    { "4:4:0", 1, 2, false },
    { "4:4:4", 1, 1, false },
    { "grey", 1, 1, true },
};

}

// Full-scale output must be an ordinary decode: within 40 dB of
// libjpeg-turbo's accurate decode, for every layout. The reduced scales use
// other transforms than libjpeg-turbo's and only need to be close.
TEST(DecoderAccuracy, MatchesTheReferenceAtEveryScaleAndLayout)
{
    RgbPicture picture = MakePhotoLikePicture(203, 141, 7);
    const double minimum[4] = { 40.0, 30.0, 28.0, 28.0 };
    for (const Layout& layout : Layouts) {
        JpegOptions options;
        options.lumaHorizontal = layout.horizontal;
        options.lumaVertical = layout.vertical;
        options.grey = layout.grey;
        std::vector<uint8_t> jpeg = EncodeJpeg(picture, options);
        for (int scale = 0; scale < 4; ++scale) {
            double psnr = PsnrAgainstReference(jpeg, scale);
            RecordProperty(std::string(layout.name) + "_scale" + std::to_string(scale), std::to_string(psnr));
            std::printf("%s 1/%d: %.2f dB\n", layout.name, 1 << scale, psnr);
            EXPECT_GE(psnr, minimum[scale]) << layout.name << " at 1/" << (1 << scale);
        }
    }
}
