// The photos the sync fetches: the address each size code asks for, the
// fallbacks, where the picture goes and what it replaces, and what a
// hostile or failing answer leaves behind (nothing).

#include "SyncTestBench.h"

#include "model/PhotoLocation.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "service/PhotoAddress.h"
#include "service/PhotoFileName.h"
#include "transport/WebAddress.h"

#include <fstream>

namespace {

class PhotoDownload : public SyncTest {
protected:
    PhotoDownload()
    {
        Blog().SetDownloadStamp(GetCurrentSeconds() - 3600);
        service.SetMessageFile("");
        EXPECT_EQ(Blog().Save(), Error::Success);
    }

    std::vector<std::string> Gets() const
    {
        std::vector<std::string> gets;
        for (auto& action : service.Actions()) {
            if (action.starts_with("GET /photos/") || action.starts_with("GET /si.aspx"))
                gets.push_back(action.substr(4));
        }
        return gets;
    }
    std::string Folder() const { return PhotoLocation::ForDownloads().BlogFolder("myblog"); }
};

}

TEST_F(PhotoDownload, EverySizeCodeAsksForItsPicture)
{
    struct Case {
        std::uint16_t code;
        std::string path;
        bool file;
    };
    const Case cases[] = {
        { 1, "/photos/myblog/9001-t.jpg", false },
        { 2, "/si.aspx?img=photos/myblog/9001-p.jpg&ld=176&q=80", true },
        { 3, "/si.aspx?img=photos/myblog/9001-p.jpg&ld=240&q=85", true },
        { 4, "/si.aspx?img=photos/myblog/9001-p.jpg&ld=320&q=90", true },
        { 5, "/photos/myblog/9001-p.jpg", true },
        { 6, "/si.aspx?img=photos/myblog/9001.jpg&ld=640&q=90", true },
        { 7, "/photos/myblog/9001.jpg", true },
    };
    BlogEntry& entry = AddPublishedEntry(9001, "Photo");
    for (const Case& test : cases) {
        SCOPED_TRACE(test.code);
        entry.SetPhotoState(0);
        entry.ReleaseThumbnail();
        Blog().GetBlogInfo().SetDownloadSize(test.code);
        service.ClearLog();
        ASSERT_EQ(SyncBlog(), Error::Success);
        EXPECT_EQ(Gets(), (std::vector<std::string> { test.path }));
        EXPECT_EQ(entry.GetPhotoState(), test.code);
        EXPECT_GT(entry.GetThumbnailSize(), 0u) << "the thumbnail is made from the picture";
        EXPECT_EQ(entry.GetPhotoPath().empty(), !test.file);
        if (test.file) {
            EXPECT_EQ(entry.GetPhotoPath(), JoinPath(Folder(), "9001.jpg"));
            EXPECT_EQ(ReadTextFile(entry.GetPhotoPath()), SmallJpeg());
        }
        EXPECT_EQ(StoreOnDisk()->FindEntryByServerId(9001)->GetPhotoState(), test.code);
        // A picture as large as wanted is not fetched again.
        service.ClearLog();
        ASSERT_EQ(SyncBlog(), Error::Success);
        EXPECT_TRUE(Gets().empty());
    }
}

TEST_F(PhotoDownload, AMissingAddressFallsBackToTheNextOne)
{
    BlogEntry& entry = AddPublishedEntry(9001, "No thumbnail address");
    entry.SetThumbnailUrl("");
    Blog().GetBlogInfo().SetDownloadSize(1);
    ASSERT_EQ(SyncBlog(), Error::Success);
    EXPECT_EQ(Gets(), (std::vector<std::string> { "/si.aspx?img=photos/myblog/9001-p.jpg&ld=0&q=0" }));
    EXPECT_EQ(entry.GetPhotoState(), 1);

    BlogEntry& noPhoto = AddPublishedEntry(9002, "Only a full-size address");
    noPhoto.SetThumbnailUrl("");
    noPhoto.SetPhotoUrl("");
    Blog().GetBlogInfo().SetDownloadSize(3);
    service.ClearLog();
    ASSERT_EQ(SyncBlog(), Error::Success);
    EXPECT_EQ(Gets(), (std::vector<std::string> { "/si.aspx?img=photos/myblog/9001-p.jpg&ld=240&q=85", "/si.aspx?img=photos/myblog/9002.jpg&ld=240&q=85" }));
    EXPECT_EQ(noPhoto.GetPhotoState(), 3);

    BlogEntry& nothing = AddPublishedEntry(9003, "No address at all");
    nothing.SetThumbnailUrl("");
    nothing.SetPhotoUrl("");
    nothing.SetSourceUrl("");
    service.ClearLog();
    ASSERT_EQ(SyncBlog(), Error::Success);
    EXPECT_TRUE(Gets().empty()) << "nothing to fetch counts as done";
}

TEST_F(PhotoDownload, AnAskedForSizeIsFetchedWhateverTheBlogsSize)
{
    Blog().GetBlogInfo().SetDownloadSize(1);
    BlogEntry& entry = AddPublishedEntry(9001, "Asked for at 240x180");
    entry.SetPhotoState(9);
    ASSERT_EQ(SyncBlog(), Error::Success);
    EXPECT_EQ(Gets(), (std::vector<std::string> { "/si.aspx?img=photos/myblog/9001-p.jpg&ld=240&q=85" }));
    EXPECT_EQ(entry.GetPhotoState(), 3);
    EXPECT_FALSE(entry.IsPending());
    EXPECT_TRUE(IsRegularFile(entry.GetPhotoPath()));
}

TEST_F(PhotoDownload, ALargerPictureReplacesTheDownloadedOneButNeverTheUsersOwn)
{
    Blog().GetBlogInfo().SetDownloadSize(3);
    BlogEntry& entry = AddPublishedEntry(9001, "Downloaded");
    ASSERT_EQ(SyncBlog(), Error::Success);
    std::string small = entry.GetPhotoPath();
    ASSERT_TRUE(IsRegularFile(small));

    // Renamed by the service meanwhile: the old download goes.
    entry.SetSourceUrl(service.PhotoUrl("9001-renamed.jpg"));
    entry.SetPhotoState(13);
    service.SetPicture(SmallJpeg(120, 90, 7));
    ASSERT_EQ(SyncBlog(), Error::Success);
    EXPECT_EQ(entry.GetPhotoState(), 7);
    EXPECT_EQ(FileNameOf(entry.GetPhotoPath()), "9001-renamed.jpg");
    EXPECT_FALSE(PathExists(small));

    // A photo of the user's own, wherever it is, stays.
    std::string own = device.Path("own.jpg");
    WriteTextFile(own, SmallJpeg(90, 60, 3));
    BlogEntry& mine = AddPublishedEntry(9002, "Mine");
    ASSERT_EQ(mine.AttachPhoto(own, 2), Error::Success);
    mine.SetPhotoState(11);
    ASSERT_EQ(SyncBlog(), Error::Success);
    EXPECT_EQ(mine.GetPhotoState(), 5);
    EXPECT_TRUE(IsRegularFile(own));
    EXPECT_EQ(ReadTextFile(own), SmallJpeg(90, 60, 3));
}

TEST_F(PhotoDownload, NamesFromTheServiceNeverLeaveThePhotoFolder)
{
    struct Case {
        std::string address;
        std::string name;
    };
    const Case cases[] = {
        { "/photos/myblog/..", "9001.jpg" },
        { "/photos/myblog/.", "9001.jpg" },
        { "/photos/myblog/", "9001.jpg" },
        { "/photos/myblog/..\\..\\escape.jpg", ".._.._escape.jpg" },
        { "/photos/myblog/a%2F..%2Fb.jpg", "a%2F..%2Fb.jpg" },
        { "/photos/myblog/x.jpg.saving-ABC123", "x.jpg_saving-ABC123" },
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.address);
        EXPECT_EQ(PhotoFileNameFor("http://host" + test.address, 9001), test.name);
    }
    EXPECT_EQ(PhotoFileNameFor(std::string("http://host/a\x01\x1f\x7f"
                                           "b.jpg"),
                  1),
        "a___b.jpg");
    std::string longName = PhotoFileNameFor("http://host/" + std::string(400, 'x') + ".jpg", 1);
    EXPECT_LE(longName.size(), 180u);
    EXPECT_TRUE(longName.ends_with(".jpg"));

    // And through a sync: the file lands in the folder, whatever the name.
    BlogEntry& entry = AddPublishedEntry(9001, "Hostile");
    entry.SetSourceUrl("http://" + server.HostText() + "/photos/myblog/..\\..\\..\\UserInfo.vxu");
    ASSERT_EQ(SyncBlog(), Error::Success);
    EXPECT_EQ(ParentPath(entry.GetPhotoPath()), Folder());
    EXPECT_EQ(PhotoFiles(), (std::vector<std::string> { ".._.._.._UserInfo.vxu" }));
}

TEST_F(PhotoDownload, TwoEntriesNamingTheSamePhotoKeepTheirOwnFiles)
{
    AddPublishedEntry(9001, "First", 3000000002u).SetSourceUrl(service.PhotoUrl("same.jpg"));
    AddPublishedEntry(9002, "Second", 3000000001u).SetSourceUrl(service.PhotoUrl("same.jpg"));
    ASSERT_EQ(SyncBlog(), Error::Success);
    EXPECT_EQ(PhotoFiles(), (std::vector<std::string> { "same-2.jpg", "same.jpg" }));
}

TEST_F(PhotoDownload, AnAddressWithAPortOrNotHttpIsReadAsItSays)
{
    EXPECT_FALSE(ParseWebAddress("ftp://host/a.jpg"));
    EXPECT_TRUE(ParseWebAddress("https://host/a.jpg")->secure);
    EXPECT_FALSE(ParseWebAddress("http://host/a b.jpg"));
    EXPECT_FALSE(ParseWebAddress("http:///a.jpg"));
    auto address = ParseWebAddress("http://127.0.0.1:8080/photos/a.jpg");
    ASSERT_TRUE(address);
    EXPECT_FALSE(address->secure);
    EXPECT_EQ(address->host, "127.0.0.1:8080");
    EXPECT_EQ(address->path, "/photos/a.jpg");
    EXPECT_EQ(ParseWebAddress("http://host")->path, "/");
    EXPECT_EQ(ScalerAddress("http://host:81/photos/a.jpg", 240, 85), "http://host:81/si.aspx?img=photos/a.jpg&ld=240&q=85");
    EXPECT_EQ(ScalerAddress("http://host", 240, 85), "");

    // The photo's host is the address's, not the service's.
    HttpTestServer elsewhere("127.0.0.2");
    elsewhere.SetResponder([](const HttpTestServer::Request&) { return HttpTestServer::Ok(SmallJpeg(), "image/jpeg"); });
    AddPublishedEntry(9001, "Elsewhere").SetPhotoUrl("http://" + elsewhere.HostText() + "/p/9001.jpg");
    ASSERT_EQ(SyncBlog(), Error::Success);
    ASSERT_EQ(elsewhere.Requests().size(), 1u);
    EXPECT_EQ(elsewhere.Requests()[0].RequestLine(), "GET /p/9001.jpg HTTP/1.1");
    EXPECT_NE(elsewhere.Requests()[0].head.find("\r\nHost: " + elsewhere.HostText() + "\r\n"), std::string::npos);
}

TEST_F(PhotoDownload, ADownloadCutShortLeavesNoFileAndTheEntryAsItWas)
{
    BlogEntry& entry = AddPublishedEntry(9001, "Cut short");
    std::string picture = SmallJpeg(200, 150, 4);
    service.On("GET /photos/myblog/9001-p.jpg", [&](const HttpTestServer::Request&) { return HttpTestServer::CutOff(picture, picture.size() / 2); });
    EXPECT_EQ(SyncBlog(), Error::AlreadyReported);
    EXPECT_EQ(Shown().size(), 1u);
    EXPECT_TRUE(PhotoFiles().empty());
    EXPECT_EQ(entry.GetPhotoState(), 0);
    EXPECT_TRUE(entry.GetPhotoPath().empty());

    // Cancelled while the picture comes: the same.
    service.On("GET /photos/myblog/9001-p.jpg", [&](const HttpTestServer::Request&) {
        progress.cancel = true;
        return HttpTestServer::Stalled(picture, picture.size() / 2);
    });
    EXPECT_EQ(SyncBlog(), Error::AlreadyReported);
    EXPECT_EQ(Shown().back(), "Sync Cancelled.");
    EXPECT_TRUE(PhotoFiles().empty());
    EXPECT_EQ(entry.GetPhotoState(), 0);
}

TEST_F(PhotoDownload, TheDownloadPhotoCommandFetchesOneEntryAndSavesTheStore)
{
    BlogEntry& entry = AddPublishedEntry(9001, "Wanted now");
    entry.SetPending(true);
    ASSERT_EQ(commands.DownloadEntryPhoto(Blog(), entry, 6, progress), Error::Success);
    EXPECT_EQ(Gets(), (std::vector<std::string> { "/si.aspx?img=photos/myblog/9001.jpg&ld=640&q=90" }));
    EXPECT_EQ(entry.GetPhotoState(), 6);
    EXPECT_TRUE(entry.IsPending()) << "the pending mark stays as it was";
    EXPECT_EQ(StoreOnDisk()->FindEntryByServerId(9001)->GetPhotoState(), 6);

    service.On("GET", [](const HttpTestServer::Request&) { return HttpTestServer::Ok("not a picture", "text/plain"); });
    EXPECT_EQ(commands.DownloadEntryPhoto(Blog(), entry, 7, progress), Error::AlreadyReported);
    EXPECT_EQ(Shown(), (std::vector<std::string> { "Invalid JPEG" }));
    EXPECT_EQ(entry.GetPhotoState(), 6);
}
