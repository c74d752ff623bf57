#include "ImagingTestHelpers.h"
#include "imaging/PixelRow.h"
#include "imaging/SaveDibAsJpeg.h"
#include "platform/FileSystem.h"
#include "support/TemporaryFolder.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

Dib PictureDib(const RgbPicture& picture, int bitCount)
{
    Dib dib = CreateDib(picture.width, picture.height, bitCount).ReleaseValue();
    std::vector<uint8_t> bgr(static_cast<size_t>(picture.width) * 3);
    for (int y = 0; y < picture.height; ++y) {
        const uint8_t* rgb = &picture.rgb[static_cast<size_t>(y) * picture.width * 3];
        for (int x = 0; x < picture.width; ++x) {
            bgr[x * 3] = rgb[x * 3 + 2];
            bgr[x * 3 + 1] = rgb[x * 3 + 1];
            bgr[x * 3 + 2] = rgb[x * 3];
        }
        ConvertPixelRow(bgr.data(), 24, dib.Row(y), bitCount, picture.width);
    }
    return dib;
}

}

TEST(SaveDibAsJpeg, WritesEveryDepthAsABaselineJpeg)
{
    TemporaryFolder folder;
    RgbPicture picture = MakePhotoLikePicture(61, 45, 31);
    Dib reference = PictureDib(picture, 16);
    for (int bits : { 16, 24, 32 }) {
        std::string path = folder.File("out" + std::to_string(bits) + ".jpg");
        ASSERT_EQ(SaveDibAsJpeg(PictureDib(picture, bits), path, 95), Error::Success);
        std::string bytes = ReadTextFile(path);
        std::vector<uint8_t> jpeg(bytes.begin(), bytes.end());
        ASSERT_NE(FindSegment(jpeg, 0xC0), std::string::npos) << "baseline frame";
        auto decoded = DecodeOurs(jpeg, 0);
        ASSERT_FALSE(decoded.IsError());
        ASSERT_EQ(decoded->Width(), 61);
        EXPECT_GT(Psnr565(decoded->Row16(0), decoded->Stride() / 2, reference.Row16(0), reference.Stride() / 2, 61, 45), 30.0) << bits;
    }
    // Quality shows in the size.
    ASSERT_EQ(SaveDibAsJpeg(reference, folder.File("low.jpg"), 20), Error::Success);
    EXPECT_LT(ReadTextFile(folder.File("low.jpg")).size(), ReadTextFile(folder.File("out16.jpg")).size());
}

TEST(SaveDibAsJpeg, FailsWhenTheFileCantBeCreated)
{
    TemporaryFolder folder;
    Dib dib = CreateDib(8, 8, 16).ReleaseValue();
    EXPECT_NE(SaveDibAsJpeg(dib, folder.File("missing/thumb.jpg"), 80), Error::Success);
    EXPECT_EQ(SaveDibAsJpeg(Dib(), folder.File("thumb.jpg"), 80), Error::InvalidParameter);
    EXPECT_TRUE(ListFolder(folder.Path())->empty());
}

// A write that runs out of room reports failure and leaves neither the new
// file nor a piece of it; an older file at the path is kept whole.
TEST(SaveDibAsJpeg, IncompleteWriteLeavesNothingBehind)
{
    TemporaryFolder folder;
    std::string path = folder.File("thumb.jpg");
    WriteTextFile(path, "older thumbnail");
    Dib dib = PictureDib(MakePhotoLikePicture(400, 300, 32), 16);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The child may write no more than 4 KB to any file.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit { 4096, 4096 };
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(SaveDibAsJpeg(dib, path, 95) == Error::Success ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(ReadTextFile(path), "older thumbnail");
    EXPECT_EQ(ListFolder(folder.Path())->size(), 1u);
}
