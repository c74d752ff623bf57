// The service's settings, its web addresses, the progress window's
// answers, and photos uploaded at a smaller size.

#include "ProgressRecorder.h"
#include "ServiceTestBench.h"
#include "imaging/JpegImage.h"
#include "platform/Clock.h"
#include "platform/File.h"
#include "service/UploadPhoto.h"
#include "support/JpegTestKit.h"
#include "support/TemporaryFolder.h"

#include <fstream>

namespace {

constexpr ProgramTime kDay = 24 * 3600;

std::string WriteJpeg(const std::string& path, int width, int height)
{
    auto bytes = EncodeJpeg(MakePhotoLikePicture(width, height, 7), {});
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return std::string(bytes.begin(), bytes.end());
}

JpegInfo InfoOf(const std::string& jpeg)
{
    JpegImage image(reinterpret_cast<const std::uint8_t*>(jpeg.data()), jpeg.size());
    JpegInfo info;
    EXPECT_EQ(image.ReadInfo(info), Error::Success);
    return info;
}

// The photo of the "AP" request the server received.
std::string UploadedPhoto(const HttpTestServer::Request& request)
{
    std::size_t start = request.body.find("<JP>");
    std::size_t end = request.body.find("</JP>");
    if (start == std::string::npos || end == std::string::npos)
        return {};
    return DecodeBase64(std::string_view(request.body).substr(start + 4, end - start - 4)).value_or("");
}

}

TEST_F(ServiceTest, ATimestampOlderThan170DaysAsksForEverything)
{
    ProgramTime now = GetCurrentSeconds();
    service.SetTimestamp(now - 171 * kDay);
    EXPECT_EQ(service.GetSentTimestamp(), 0u);
    EXPECT_EQ(service.GetTimestamp(), 0u);
    service.SetTimestamp(now - 169 * kDay);
    EXPECT_EQ(service.GetSentTimestamp(), now - 169 * kDay);
    EXPECT_EQ(service.GetTimestamp(), now - 169 * kDay);
    service.SetTimestamp(now + kDay);
    EXPECT_EQ(service.GetSentTimestamp(), now + kDay) << "a time ahead is not old";
}

TEST_F(ServiceTest, WebAddressesNameTheHostAndTheBlog)
{
    std::string host = server.HostText();
    EXPECT_EQ(service.GetBlogURL(), "http://" + host + "/myblog");
    EXPECT_EQ(service.GetBlogAllCategoriesURL(), "http://" + host + "/myblog/?albumid=0");
    EXPECT_EQ(service.GetEntryPreviewURL(9001), "http://" + host + "/myblog/?preview=9001");
    EXPECT_EQ(service.GetEntryPreviewURL(4294967295u), "http://" + host + "/myblog/?preview=-1");
}

TEST_F(ServiceTest, TheProgressWindowShowsEachStepItsCountsAndDetail)
{
    auto window = device.Interaction().OpenProgressWindow(3, false);
    ProgressWindowCallback progress(window.get(), "myblog");
    ProgressRecord record;
    record.step = ProgressStep::GettingEntry;
    record.detail = "Sunset";
    record.done = 3;
    record.total = 10;
    EXPECT_TRUE(progress.Callback()(progress.Context(), &record, -1));
    record = {};
    record.step = ProgressStep::Processing;
    EXPECT_TRUE(progress.Callback()(progress.Context(), &record, -1));
    EXPECT_TRUE(progress.Callback()(progress.Context(), nullptr, -1));

    auto& shown = *device.Interaction().ProgressWindows().back();
    EXPECT_EQ(shown.lines[0], "myblog");
    EXPECT_EQ(shown.lineHistory[1], (std::vector<std::string> { "Getting Entry...    3/10", "Processing..." }));
    EXPECT_EQ(shown.lineHistory[2], (std::vector<std::string> { "Sunset" })) << "a step without detail leaves the line";
    EXPECT_EQ(shown.steps, 3);

    device.Interaction().ScriptCancelAfter(0);
    EXPECT_FALSE(progress.Callback()(progress.Context(), nullptr, -1));
    ProgressWindowCallback headless(nullptr);
    EXPECT_TRUE(headless.Callback()(headless.Context(), &record, -1));
}

TEST_F(ServiceTest, ASmallerUploadSizeSendsAScaledCopyAndLeavesThePhoto)
{
    Answer(ChangesResponseBuilder::Envelope("AP", "<ID>1</ID>"));
    std::string path = device.Path("big.jpg");
    std::string original = WriteJpeg(path, 1000, 800);
    auto entry = MakeEntry(*store, 0, "Big", 100, true);
    entry->SetPhotoPath(path);

    service.SetPhotoSizes(0, 5);
    ASSERT_TRUE(service.SendEntry(*entry, nullptr, nullptr).IsSuccess());
    service.SetPhotoSizes(2, 5);
    ASSERT_TRUE(service.SendEntry(*entry, nullptr, nullptr).IsSuccess());
    service.SetPhotoSizes(3, 5);
    ASSERT_TRUE(service.SendEntry(*entry, nullptr, nullptr).IsSuccess());
    auto requests = Requests();
    ASSERT_EQ(requests.size(), 3u);
    JpegInfo small = InfoOf(UploadedPhoto(requests[0]));
    EXPECT_EQ(small.width, 300);
    EXPECT_EQ(small.height, 240);
    JpegInfo medium = InfoOf(UploadedPhoto(requests[1]));
    EXPECT_EQ(medium.width, 600);
    EXPECT_EQ(medium.height, 480);
    EXPECT_EQ(UploadedPhoto(requests[2]), original) << "full size is the file itself";
    EXPECT_EQ(ReadTextFile(path), original);

    std::string portraitPath = device.Path("portrait.jpg");
    WriteJpeg(portraitPath, 480, 960);
    entry->SetPhotoPath(portraitPath);
    service.SetPhotoSizes(1, 5);
    ASSERT_TRUE(service.SendEntry(*entry, nullptr, nullptr).IsSuccess());
    JpegInfo portrait = InfoOf(UploadedPhoto(Requests().back()));
    EXPECT_EQ(portrait.width, 240);
    EXPECT_EQ(portrait.height, 480) << "the box turns with the photo";
}

TEST_F(ServiceTest, APhotoThatFitsOrCannotBeDecodedGoesAsItIs)
{
    Answer(ChangesResponseBuilder::Envelope("AP", "<ID>1</ID>"));
    std::string smallPath = device.Path("small.jpg");
    std::string small = WriteJpeg(smallPath, 200, 100);
    std::string notJpegPath = device.Path("odd.jpg");
    WriteTextFile(notJpegPath, "not a JPEG at all");
    auto entry = MakeEntry(*store, 0, "Small", 100, true);
    service.SetPhotoSizes(0, 5);
    entry->SetPhotoPath(smallPath);
    ASSERT_TRUE(service.SendEntry(*entry, nullptr, nullptr).IsSuccess());
    entry->SetPhotoPath(notJpegPath);
    ASSERT_TRUE(service.SendEntry(*entry, nullptr, nullptr).IsSuccess());
    auto requests = Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(UploadedPhoto(requests[0]), small);
    EXPECT_EQ(UploadedPhoto(requests[1]), "not a JPEG at all");
}
