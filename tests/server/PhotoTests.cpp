// Photos through real HTTP: the three addresses of an entry, the scaler,
// the location taken out of every uploaded photo, and uploads that are
// not photos.

#include "CameraPhotos.h"
#include "ServerTestKit.h"

#include "support/JpegTestKit.h"

#include "imaging/ExifReader.h"
#include "imaging/JpegImage.h"

#include "platform/FileSystem.h"

#include "server/photos/PhotoUpload.h"

#include <gtest/gtest.h>

namespace {

struct Size {
    int width { 0 };
    int height { 0 };
    bool operator==(const Size&) const = default;
};

Size SizeOf(const std::string& jpeg)
{
    JpegImage image(reinterpret_cast<const uint8_t*>(jpeg.data()), jpeg.size());
    JpegInfo info;
    if (image.ReadInfo(info) != Error::Success)
        return {};
    return Size { info.width, info.height };
}

std::string LastPart(const std::string& address)
{
    return address.substr(address.rfind('/') + 1);
}

// What a device asks the scaler for: the address's text after the host.
std::string ScalerPath(const std::string& address, int longSide, int quality)
{
    return "/si.aspx?img=" + PathOf(address).substr(1) + "&ld=" + std::to_string(longSide) + "&q=" + std::to_string(quality);
}

struct GardenBlog : ::testing::Test {
    ServiceUnderTest service;
    Device ann { service, service.AddUser("ann@example.com") };
    void SetUp() override { ann.CreateBlog("garden"); }

    std::map<std::string, std::string> EntryRecord(std::uint32_t id)
    {
        for (auto& record : ann.GetChanges("garden").Records("PI")) {
            if (record["ID"] == std::to_string(id))
                return record;
        }
        return {};
    }
};

}

TEST_F(GardenBlog, EachEntryHasThreeAddressesUnder128Bytes)
{
    std::string photo = TestJpeg(1200, 900, 3);
    std::uint32_t first = ann.AddEntry("garden", "big", photo);
    std::uint32_t second = ann.AddEntry("garden", "big again", photo);
    auto one = EntryRecord(first), two = EntryRecord(second);
    for (auto* record : { &one, &two }) {
        for (const char* field : { "OU", "PU", "TU" }) {
            EXPECT_LT((*record)[field].size(), 128u) << (*record)[field];
            EXPECT_EQ((*record)[field].rfind("http://" + service.Host() + "/", 0), 0u) << (*record)[field];
        }
    }
    // Devices name their copy of a photo after its address's last part.
    EXPECT_NE(LastPart(one["OU"]), LastPart(two["OU"]));

    Answer full = ann.Get(PathOf(one["OU"]));
    ASSERT_EQ(full.status, 200);
    EXPECT_EQ(full.body, photo); // no location in it: served as uploaded
    Answer picture = ann.Get(PathOf(one["PU"]));
    ASSERT_EQ(picture.status, 200);
    EXPECT_EQ(SizeOf(picture.body), (Size { 480, 360 }));
    Answer thumbnail = ann.Get(PathOf(one["TU"]));
    ASSERT_EQ(thumbnail.status, 200);
    EXPECT_EQ(SizeOf(thumbnail.body), (Size { 160, 120 }));

    // An upright photo fits the same box turned upright.
    std::uint32_t upright = ann.AddEntry("garden", "upright", TestJpeg(600, 1000, 4));
    EXPECT_EQ(SizeOf(ann.Get(PathOf(EntryRecord(upright)["PU"])).body), (Size { 288, 480 }));

    // The answer to "AP" names the full-size address after the id.
    Answer added = ann.Send("AP", "garden", EntryFields(std::nullopt, 0, "third", "", photo));
    size_t id = added.body.find("<ID>"), by = added.body.find("<BY>"), ou = added.body.find("<OU>");
    EXPECT_TRUE(id < by && by < ou) << added.body;
    EXPECT_EQ(ann.Get(PathOf(added.Value("OU"))).body, photo);
}

TEST_F(GardenBlog, ASmallPhotoIsItsOwnPicture)
{
    std::string photo = TestJpeg(320, 240, 5);
    auto record = EntryRecord(ann.AddEntry("garden", "small", photo));
    EXPECT_EQ(ann.Get(PathOf(record["PU"])).body, photo);
    EXPECT_EQ(SizeOf(ann.Get(PathOf(record["TU"])).body), (Size { 160, 120 }));
}

TEST_F(GardenBlog, TheScaler)
{
    std::string photo = TestJpeg(1200, 900, 6);
    auto record = EntryRecord(ann.AddEntry("garden", "big", photo));

    // ld=0 and q=0: the picture unchanged.
    EXPECT_EQ(ann.Get(ScalerPath(record["PU"], 0, 0)).body, ann.Get(PathOf(record["PU"])).body);
    EXPECT_EQ(ann.Get(ScalerPath(record["OU"], 0, 0)).body, photo);
    // The sizes devices ask for, each kept once made.
    for (auto [side, quality, address] : { std::tuple { 176, 80, "PU" }, { 240, 85, "PU" }, { 320, 90, "PU" }, { 640, 90, "OU" } }) {
        Answer scaled = ann.Get(ScalerPath(record[address], side, quality));
        ASSERT_EQ(scaled.status, 200) << side;
        EXPECT_EQ(SizeOf(scaled.body), (Size { side, side * 3 / 4 })) << side;
        EXPECT_EQ(ann.Get(ScalerPath(record[address], side, quality)).body, scaled.body);
    }
    auto scaled = ListFolder(service.DataFolder() + "/photos/garden/scaled");
    ASSERT_FALSE(scaled.IsError());
    EXPECT_EQ(scaled->size(), 4u);
    // Any other size is made for the one answer and not kept; nothing is
    // ever enlarged.
    EXPECT_EQ(SizeOf(ann.Get(ScalerPath(record["OU"], 100, 50)).body), (Size { 100, 75 }));
    EXPECT_EQ(ListFolder(service.DataFolder() + "/photos/garden/scaled")->size(), 4u);
    EXPECT_EQ(SizeOf(ann.Get(ScalerPath(record["TU"], 1000, 90)).body), (Size { 160, 120 }));

    // Addresses that name no photo of the service.
    EXPECT_EQ(ann.Get("/si.aspx?img=../../vellumbrix.db&ld=0&q=0").status, 404);
    EXPECT_EQ(ann.Get("/si.aspx?img=photos/garden/1-aaaaaaaaaaaa.jpg&ld=240&q=85").status, 404);
    EXPECT_EQ(ann.Get("/photos/garden/../../vellumbrix.db").status, 404);
    EXPECT_EQ(ann.Get("/photos/other" + PathOf(record["OU"]).substr(14)).status, 404);
}

TEST_F(GardenBlog, ADeletedEntrysPhotosAreGone)
{
    std::uint32_t id = ann.AddEntry("garden", "doomed", TestJpeg(800, 600, 8));
    auto record = EntryRecord(id);
    ASSERT_EQ(ann.Get(PathOf(record["PU"])).status, 200);
    ASSERT_EQ(ann.Get(ScalerPath(record["PU"], 240, 85)).status, 200);
    ASSERT_TRUE(ann.Send("DP", "garden", "<PI><ID>" + std::to_string(id) + "</ID></PI>").Ok());
    for (const char* field : { "OU", "PU", "TU" })
        EXPECT_EQ(ann.Get(PathOf(record[field])).status, 404) << field;
    for (const char* folder : { "", "/derived", "/scaled" }) {
        auto files = ListFolder(service.DataFolder() + "/photos/garden" + folder);
        ASSERT_FALSE(files.IsError());
        for (auto& file : *files)
            EXPECT_TRUE(file.isDirectory) << folder << "/" << file.name;
    }
}

TEST_F(GardenBlog, NoAddressServesTheLocationOfACameraPhoto)
{
    for (bool bigEndian : { false, true }) {
        std::string photo = CameraJpeg(1024, 768, bigEndian);
        ASSERT_TRUE(HasGpsPointer(photo));
        ASSERT_TRUE(HasLocationMarkers(photo));
        // A second copy of the location, in an XMP packet.
        std::string xmp = std::string("http://ns.adobe.com/xap/1.0/\0", 29) + "<x:xmpmeta><rdf:Description exif:GPSLatitude=\"51,28.6N\"/></x:xmpmeta>";
        photo = WithSegment(photo, 0xE1, xmp);
        auto record = EntryRecord(ann.AddEntry("garden", "from the camera", photo));

        std::vector<std::string> paths { PathOf(record["OU"]), PathOf(record["PU"]), PathOf(record["TU"]) };
        for (auto [side, quality] : { std::pair { 176, 80 }, { 240, 85 }, { 320, 90 }, { 0, 0 } })
            paths.push_back(ScalerPath(record["PU"], side, quality));
        paths.push_back(ScalerPath(record["OU"], 640, 90));
        paths.push_back(ScalerPath(record["OU"], 0, 0));
        for (const std::string& path : paths) {
            Answer served = ann.Get(path);
            ASSERT_EQ(served.status, 200) << path;
            EXPECT_FALSE(HasGpsPointer(served.body)) << path;
            EXPECT_FALSE(HasLocationMarkers(served.body)) << path;
            EXPECT_EQ(served.body.find("GPSLatitude"), std::string::npos) << path;
        }

        // The full-size photo keeps everything else: the picture data byte
        // for byte, the camera, the time taken.
        std::string full = ann.Get(paths[0]).body;
        EXPECT_EQ(ScanData(full), ScanData(photo));
        EXPECT_EQ(full.size(), photo.size() - (xmp.size() + 4)); // the XMP packet dropped, EXIF the same size
        std::string exif = App1Payload(full, std::string("Exif\0\0", 6));
        ASSERT_FALSE(exif.empty());
        ExifInfo info = ReadExif(reinterpret_cast<const uint8_t*>(exif.data() + 6), exif.size() - 6);
        EXPECT_EQ(info.make, "TestCam");
        EXPECT_EQ(info.model, "Model 1");
        EXPECT_EQ(info.dateTaken, "2006:07:01 12:00:00");
        // And nothing was kept anywhere on disk with the location.
        auto files = ListFolder(service.DataFolder() + "/photos/garden");
        for (auto& file : *files) {
            if (!file.isDirectory) {
                EXPECT_FALSE(HasLocationMarkers(ReadTextFile(service.DataFolder() + "/photos/garden/" + file.name))) << file.name;
            }
        }
    }
}

TEST_F(GardenBlog, UploadsThatAreNotPhotos)
{
    auto upload = [&](const std::string& jpegBase64) {
        return ann.Post(ann.Envelope("AP", "garden",
            "<PI><CI>0</CI><TI>x</TI><CP></CP><PD>2006-07-01T12:00:00+0200</PD><TD>2006-07-01T12:00:00+0200</TD><JP>" + jpegBase64 + "</JP></PI>"));
    };
    EXPECT_EQ(upload(Base64("this is not a picture")).status, 400);
    EXPECT_EQ(upload("not base64 at all!").status, 400);
    EXPECT_EQ(upload(Base64(TestJpeg(64, 64)).substr(1)).status, 400);
    EXPECT_EQ(upload("").status, 400);
    std::string truncated = TestJpeg(256, 256);
    EXPECT_EQ(upload(Base64(truncated.substr(0, truncated.size() / 2))).status, 400);
    JpegOptions progressive;
    progressive.progressive = true;
    std::vector<uint8_t> bytes = EncodeJpeg(MakePhotoLikePicture(64, 64, 1), progressive);
    EXPECT_EQ(upload(Base64(std::string(bytes.begin(), bytes.end()))).status, 400);
    // Nothing was stored.
    EXPECT_TRUE(ann.GetChanges("garden").Records("PI").empty());
    auto files = ListFolder(service.DataFolder() + "/photos/garden");
    EXPECT_TRUE(files.IsError() || files->empty());
}

// A photo whose headers read well and whose decoding fails is written while
// it is decoded: it is refused all the same, and its file goes again.
TEST_F(GardenBlog, APhotoThatFailsOnlyInDecodingLeavesNothing)
{
    std::string photo = TestJpeg(256, 256);
    // The first Huffman table (after the frame header) given an id no table
    // may have.
    size_t table = photo.find("\xFF\xC4");
    ASSERT_NE(table, std::string::npos);
    ASSERT_GT(table, photo.find("\xFF\xC0"));
    photo[table + 4] = '\x0F';
    ASSERT_FALSE(ReadPhotoUpload(photo).IsError()) << "the headers up to the frame read well";
    ASSERT_TRUE(PreparePhotoUpload(photo).IsError());

    EXPECT_EQ(ann.Send("AP", "garden", EntryFields(std::nullopt, 0, "x", "", photo)).status, 400);
    EXPECT_TRUE(ann.GetChanges("garden").Records("PI").empty());
    auto files = ListFolder(service.DataFolder() + "/photos/garden");
    EXPECT_TRUE(files.IsError() || files->empty());
    // And the same photo whole is taken.
    EXPECT_NE(ann.AddEntry("garden", "whole", TestJpeg(256, 256)), 0u);
}

TEST_F(GardenBlog, AStrangersUploadIsNeverWritten)
{
    Device bob(service, service.AddUser("bob@example.com"));
    EXPECT_EQ(bob.Send("AP", "garden", EntryFields(std::nullopt, 0, "bob's", "", TestJpeg(64, 64))).Refusal(),
        "Error: You have not permission to add a picture");
    Device wrong(service, TestAccount { "ann@example.com", "not her password" });
    EXPECT_EQ(wrong.Send("AP", "garden", EntryFields(std::nullopt, 0, "x", "", TestJpeg(64, 64))).Refusal(), "Error: Invalid Authentication");
    auto files = ListFolder(service.DataFolder() + "/photos/garden");
    EXPECT_TRUE(files.IsError() || files->empty());
}
