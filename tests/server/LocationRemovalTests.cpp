// Taking the location out of photos, on the bytes: every byte order and
// directory, damaged EXIF, XMP, and files that are not JPEG at all.

#include "CameraPhotos.h"
#include "ServerTestKit.h"

#include "server/photos/LocationRemoval.h"

#include <gtest/gtest.h>

TEST(LocationRemoval, KeepsEverythingButTheLocation)
{
    for (bool bigEndian : { false, true }) {
        std::string photo = CameraJpeg(64, 48, bigEndian);
        auto stripped = RemoveLocation(photo);
        ASSERT_FALSE(stripped.IsError());
        EXPECT_EQ(stripped->size(), photo.size());
        EXPECT_FALSE(HasGpsPointer(*stripped));
        EXPECT_FALSE(HasLocationMarkers(*stripped));
        EXPECT_EQ(ScanData(*stripped), ScanData(photo));
        // Only the GPS pointer, directory and values changed: everything
        // else of the EXIF block is where it was.
        std::string before = App1Payload(photo, std::string("Exif\0\0", 6));
        std::string after = App1Payload(*stripped, std::string("Exif\0\0", 6));
        ASSERT_EQ(before.size(), after.size());
        EXPECT_NE(after.find("TestCam"), std::string::npos);
        EXPECT_NE(after.find("2006:07:01 12:00:00"), std::string::npos);
        // Stripping again changes nothing.
        EXPECT_EQ(*RemoveLocation(*stripped), *stripped);
    }
}

TEST(LocationRemoval, PhotosWithoutLocationPassUnchanged)
{
    std::string plain = TestJpeg(32, 32);
    EXPECT_EQ(*RemoveLocation(plain), plain);
    std::string xmp = WithSegment(plain, 0xE1, std::string("http://ns.adobe.com/xap/1.0/\0", 29) + "<x:xmpmeta>rating 5</x:xmpmeta>");
    EXPECT_EQ(*RemoveLocation(xmp), xmp);
    std::string comment = WithSegment(plain, 0xFE, "GPS is a word a comment may hold");
    EXPECT_EQ(*RemoveLocation(comment), comment);
}

TEST(LocationRemoval, DamagedExifIsDroppedWhole)
{
    std::string photo = CameraJpeg(32, 32, false);
    std::string exif = App1Payload(photo, std::string("Exif\0\0", 6));
    // The GPS pointer aimed past the block's end: the block can't be
    // cleaned with certainty, so it goes.
    std::string broken = exif;
    size_t gpsEntry = broken.find(std::string("\x25\x88\x04\x00", 4));
    ASSERT_NE(gpsEntry, std::string::npos);
    broken[gpsEntry + 8] = '\xF0';
    broken[gpsEntry + 9] = '\xFF';
    size_t at = photo.find(exif);
    std::string damaged = photo.substr(0, at) + broken + photo.substr(at + exif.size());
    auto stripped = RemoveLocation(damaged);
    ASSERT_FALSE(stripped.IsError());
    EXPECT_TRUE(App1Payload(*stripped, std::string("Exif\0\0", 6)).empty());
    EXPECT_FALSE(HasLocationMarkers(*stripped));
    EXPECT_EQ(ScanData(*stripped), ScanData(photo));

    // A directory chain that loops back on itself.
    std::string looped = exif;
    size_t next = 6 + 8 + 2 + 5 * 12; // IFD0's next-directory offset
    looped[next] = 8;
    looped[next + 1] = looped[next + 2] = looped[next + 3] = 0;
    std::string loopedPhoto = photo.substr(0, at) + looped + photo.substr(at + exif.size());
    auto unlooped = RemoveLocation(loopedPhoto);
    ASSERT_FALSE(unlooped.IsError());
    EXPECT_FALSE(HasLocationMarkers(*unlooped));
}

TEST(LocationRemoval, RefusesWhatIsNotAJpeg)
{
    EXPECT_TRUE(RemoveLocation("").IsError());
    EXPECT_TRUE(RemoveLocation("GIF89a....").IsError());
    EXPECT_TRUE(RemoveLocation(std::string("\xFF\xD8\xFF\xE1\x00\xFF", 6)).IsError()); // a segment longer than the file
    EXPECT_TRUE(RemoveLocation(std::string("\xFF\xD8\xFF\xE0\x00\x04"
                                           "ab",
                                   8))
                    .IsError()); // no scan
    std::string photo = TestJpeg(16, 16);
    EXPECT_TRUE(RemoveLocation(photo.substr(0, 30)).IsError());
}
