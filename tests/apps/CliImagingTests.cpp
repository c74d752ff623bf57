#include "CliRunner.h"
#include "JpegTestKit.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

namespace {

std::string WriteJpeg(const TemporaryFolder& folder, const std::string& name, const std::vector<uint8_t>& jpeg)
{
    std::string path = folder.File(name);
    WriteTextFile(path, std::string(jpeg.begin(), jpeg.end()));
    return path;
}

bool Exists(const std::string& path)
{
    struct stat st { };
    return ::stat(path.c_str(), &st) == 0;
}

// Width, height and RGB bytes of a binary PPM.
struct Ppm {
    int width { 0 };
    int height { 0 };
    std::string pixels;
};

Ppm ReadPpm(const std::string& path)
{
    std::string bytes = ReadTextFile(path);
    Ppm ppm;
    int consumed = 0;
    if (std::sscanf(bytes.c_str(), "P6\n%d %d\n255\n%n", &ppm.width, &ppm.height, &consumed) == 2)
        ppm.pixels = bytes.substr(static_cast<size_t>(consumed));
    return ppm;
}

}

TEST(CliImaging, JpegInfoReportsSizeAndExif)
{
    TemporaryFolder folder;
    JpegOptions options;
    options.app1 = MakeExifBlock(true, "2022:01:02 03:04:05", "Snow", EncodeJpeg(MakePhotoLikePicture(32, 24, 1), {}));
    std::string path = WriteJpeg(folder, "a.jpg", EncodeJpeg(MakePhotoLikePicture(120, 90, 2), options));
    auto result = RunCli({ "jpeg-info", path });
    ASSERT_EQ(result.status, 0) << result.err;
    auto json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["result"], 0);
    EXPECT_EQ(json["width"], 120);
    EXPECT_EQ(json["height"], 90);
    EXPECT_EQ(json["has_exif_thumbnail"], true);
    EXPECT_EQ(json["date_taken"], "2022:01:02 03:04:05");
    EXPECT_EQ(json["description"], "Snow");

    EXPECT_EQ(RunCli({ "jpeg-info", folder.File("none.jpg") }).status, 1);
}

// Scripts tell a refused file by the exit status; the JSON still says why.
TEST(CliImaging, JpegInfoFailsForEveryNonZeroResult)
{
    TemporaryFolder folder;
    JpegOptions progressive;
    progressive.progressive = true;
    auto refused = RunCli({ "jpeg-info", WriteJpeg(folder, "p.jpg", EncodeJpeg(MakePhotoLikePicture(16, 16, 3), progressive)) });
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(nlohmann::json::parse(refused.out)["result"], -234);

    WriteTextFile(folder.File("text.jpg"), "not a picture at all");
    auto notJpeg = RunCli({ "jpeg-info", folder.File("text.jpg") });
    EXPECT_EQ(notJpeg.status, 1);
    EXPECT_EQ(nlohmann::json::parse(notJpeg.out)["result"], -217);
}

TEST(CliImaging, DecodeWritesTheWidenedPixels)
{
    TemporaryFolder folder;
    std::vector<uint8_t> jpeg = EncodeJpeg(MakePhotoLikePicture(50, 30, 4), {});
    std::string path = WriteJpeg(folder, "a.jpg", jpeg);
    std::string out = folder.File("a.ppm");
    auto result = RunCli({ "decode", path, "--scale", "1", "--out", out });
    ASSERT_EQ(result.status, 0) << result.err;
    Ppm ppm = ReadPpm(out);
    EXPECT_EQ(ppm.width, 25);
    EXPECT_EQ(ppm.height, 15);
    ASSERT_EQ(ppm.pixels.size(), 25u * 15 * 3);
    // Widened RGB565: the low bits of each channel are clear.
    for (size_t i = 0; i < ppm.pixels.size(); i += 3) {
        EXPECT_EQ(ppm.pixels[i] & 0x07, 0);
        EXPECT_EQ(ppm.pixels[i + 1] & 0x03, 0);
        EXPECT_EQ(ppm.pixels[i + 2] & 0x07, 0);
    }

    JpegOptions arithmetic;
    arithmetic.arithmetic = true;
    std::string bad = WriteJpeg(folder, "b.jpg", EncodeJpeg(MakePhotoLikePicture(16, 16, 3), arithmetic));
    auto failed = RunCli({ "decode", bad, "--out", folder.File("b.ppm") });
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("-215"), std::string::npos) << failed.err;
    EXPECT_FALSE(Exists(folder.File("b.ppm")));
    EXPECT_EQ(RunCli({ "decode", path, "--scale", "4", "--out", out }).status, 2);
}

TEST(CliImaging, RenderFitsWithTheFlags)
{
    TemporaryFolder folder;
    std::string path = WriteJpeg(folder, "a.jpg", EncodeJpeg(MakePhotoLikePicture(640, 480, 5), {}));
    std::string out = folder.File("r.ppm");
    auto result = RunCli({ "render", path, "--size", "240x320", "--flags", "4", "--out", out });
    ASSERT_EQ(result.status, 0) << result.err;
    auto json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["result"], 0);
    EXPECT_EQ(json["top"], 70);
    EXPECT_EQ(json["bottom"], 250);
    Ppm ppm = ReadPpm(out);
    EXPECT_EQ(ppm.width, 240);
    EXPECT_EQ(ppm.height, 180);

    auto turned = nlohmann::json::parse(RunCli({ "render", path, "--size", "240x320", "--out", out }).out);
    EXPECT_EQ(turned["bottom"], 320);
    EXPECT_EQ(ReadPpm(out).height, 320);
    EXPECT_EQ(RunCli({ "render", path, "--size", "0x5", "--out", out }).status, 2);
}

TEST(CliImaging, ThumbnailIsA96SquareJpeg)
{
    TemporaryFolder folder;
    std::string path = WriteJpeg(folder, "photo.jpg", EncodeJpeg(MakePhotoLikePicture(800, 600, 6), {}));
    std::string thumbnail = folder.File("thumb.jpg");
    auto result = RunCli({ "thumbnail", path, thumbnail });
    ASSERT_EQ(result.status, 0) << result.err;
    auto info = nlohmann::json::parse(RunCli({ "jpeg-info", thumbnail }).out);
    EXPECT_EQ(info["result"], 0);
    EXPECT_EQ(info["width"], 96);
    EXPECT_EQ(info["height"], 96);
    EXPECT_EQ(RunCli({ "thumbnail", folder.File("none.jpg"), thumbnail }).status, 1);
}

// Pictures of a few kilobytes, 4 x 65,000 pixels and the like, once made the
// thumbnail scale the whole picture up before it cut out the middle:
// hundreds of megabytes for a 96 x 96 result.
TEST(CliImaging, ThumbnailsOfTallNarrowPicturesNeedLittleMemory)
{
    TemporaryFolder folder;
    std::string pictures = std::string(VBX_TEST_DATA_DIR) + "/tall-narrow";
    for (const char* name : { "tall-4x65000.jpg", "tall-5x34845.jpg", "wide-65000x4.jpg" }) {
        std::string thumbnail = folder.File(std::string(name) + ".thumb.jpg");
        auto result = RunCli({ "thumbnail", pictures + "/" + name, thumbnail });
        ASSERT_EQ(result.status, 0) << name << ": " << result.err;
        EXPECT_LT(result.peakKilobytes, 32 * 1024) << name;
        auto info = nlohmann::json::parse(RunCli({ "jpeg-info", thumbnail }).out);
        EXPECT_EQ(info["width"], 96);
        EXPECT_EQ(info["height"], 96);
    }
}
