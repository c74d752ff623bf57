#include "model/CWinBlogUser.h"
#include "platform/DeviceFolders.h"
#include "platform/FileSystem.h"
#include "support/SampleArchiveFiles.h"
#include "support/SandboxDevice.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

std::string DataFolder()
{
    return DeviceFolders::Current().DataFolder();
}

std::string UserFilePath()
{
    return DataFolder() + "/UserInfo.vxu";
}

}

TEST(UserFile, ConstructionMakesTheDataFolder)
{
    SandboxDevice device;
    CWinBlogUser user;
    EXPECT_EQ(user.GetDataFolder(), device.Path("My Documents/Quillberry/Vellumbrix"));
    EXPECT_TRUE(IsDirectory(user.GetDataFolder()));
    EXPECT_EQ(user.GetFilePath(), UserFilePath());
    EXPECT_EQ(user.GetUserId(), 0u);
    EXPECT_FALSE(user.GetStartupConnect());
}

TEST(UserFile, AHandWrittenFileLoadsAndResavesByteForByte)
{
    SandboxDevice device;
    CWinBlogUser user;
    WriteTextFile(UserFilePath(), Sample::UserFile(1));
    ASSERT_EQ(user.ReadUserFile(), Error::Success);
    EXPECT_EQ(user.GetFormatVersion(), 1u);
    EXPECT_EQ(user.GetUserId(), 31337u);
    EXPECT_EQ(user.GetEmail(), "ann@example.com");
    EXPECT_EQ(user.GetPassword(), "s3cret");
    EXPECT_EQ(user.GetProAccount(), 1);
    EXPECT_EQ(user.GetPhotoQuota(), 500u);
    EXPECT_EQ(user.GetBlogUrlNames(), (std::vector<std::u16string> { u"trips", u"caf\u00E9-blog" }));
    EXPECT_EQ(user.GetRemoteBlogNames(), (std::vector<std::u16string> { u"My Other Blog" }));

    ASSERT_EQ(user.Save(), Error::Success);
    EXPECT_EQ(ReadTextFile(UserFilePath()), Sample::UserFile(1));
}

TEST(UserFile, Version0HasNoRemoteBlogsAndIsWrittenBackAsVersion1)
{
    SandboxDevice device;
    CWinBlogUser user;
    std::vector<std::string> stale { "stale" };
    user.SetRemoteBlogNames(stale);
    WriteTextFile(UserFilePath(), Sample::UserFile(0));
    ASSERT_EQ(user.ReadUserFile(), Error::Success);
    EXPECT_EQ(user.GetFormatVersion(), 0u);
    EXPECT_TRUE(user.GetRemoteBlogNames().empty());
    EXPECT_EQ(user.GetBlogUrlNames().size(), 2u);

    ASSERT_EQ(user.Save(), Error::Success);
    std::string expected = Sample::UserFile(0);
    expected[0] = 1;
    expected += ByteBuilder().Count(0).Bytes();
    EXPECT_EQ(ReadTextFile(UserFilePath()), expected);
    EXPECT_EQ(user.GetFormatVersion(), 1u);
}

TEST(UserFile, ANewFileIsReadableByTheUserOnly)
{
    SandboxDevice device;
    CWinBlogUser user;
    user.SetEmail("a@b.c");
    user.SetPassword("secret");
    std::vector<std::string> names { "one", "tw\xC3\xB6" };
    user.SetRemoteBlogNames(names);
    ASSERT_EQ(user.Save(), Error::Success);
    struct stat st { };
    ASSERT_EQ(::stat(UserFilePath().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    CWinBlogUser again;
    ASSERT_EQ(again.ReadUserFile(), Error::Success);
    EXPECT_EQ(again.GetPassword(), "secret");
    EXPECT_EQ(again.GetRemoteBlogNames(), (std::vector<std::u16string> { u"one", u"tw\u00F6" }));
}

TEST(UserFile, EightBitNamesAreAcceptedInTheLists)
{
    SandboxDevice device;
    CWinBlogUser user;
    WriteTextFile(UserFilePath(), ByteBuilder().U32(1).U32(0).Str("").Str("").U16(0).U32(0).Count(1).Str("caf\xC3\xA9").Count(0).Bytes());
    ASSERT_EQ(user.ReadUserFile(), Error::Success);
    EXPECT_EQ(user.GetBlogUrlNames(), (std::vector<std::u16string> { u"caf\u00E9" }));
}

TEST(UserFile, ADamagedFileIsReportedAndKeptAsideBeforeItIsReplaced)
{
    SandboxDevice device;
    const std::string whole = Sample::UserFile(1);
    for (size_t length = 0; length < whole.size(); ++length) {
        CWinBlogUser user;
        WriteTextFile(UserFilePath(), whole.substr(0, length));
        ASSERT_EQ(user.ReadUserFile(), Error::HandleEof) << length;
        ASSERT_TRUE(user.GetLoadDamage());
        EXPECT_LE(user.GetLoadDamage()->offset, length);
        EXPECT_EQ(ReadTextFile(UserFilePath()), whole.substr(0, length));
    }

    std::string damaged = whole.substr(0, 30);
    WriteTextFile(UserFilePath(), damaged);
    CWinBlogUser user;
    user.Load();
    EXPECT_EQ(user.GetUserId(), 31337u);
    EXPECT_EQ(user.GetEmail(), "ann@example.com");
    EXPECT_EQ(user.GetPassword(), "");
    EXPECT_EQ(user.GetLoadDamage()->Describe(), "the data ends early at byte 24, in the password (6 bytes needed, 5 left)");
    user.SetPassword("typed again");
    ASSERT_EQ(user.Save(), Error::Success);
    EXPECT_EQ(ReadTextFile(UserFilePath() + ".damaged"), damaged);
    CWinBlogUser reloaded;
    EXPECT_EQ(reloaded.ReadUserFile(), Error::Success);
    EXPECT_EQ(reloaded.GetPassword(), "typed again");
}

TEST(UserFile, AFailedSaveShowsTheMessageAndKeepsTheOldFile)
{
    SandboxDevice device;
    CWinBlogUser user;
    WriteTextFile(UserFilePath(), Sample::UserFile(1));
    ASSERT_EQ(user.ReadUserFile(), Error::Success);
    // The data folder's place is taken by a file from now on.
    ASSERT_EQ(MoveFile(DataFolder(), device.Path("moved")), Error::Success);
    WriteTextFile(DataFolder(), "in the way");
    user.SetEmail("new@example.com");
    EXPECT_EQ(user.Save(), Error::PathNotFound);
    ASSERT_EQ(device.Interaction().ShownMessages().size(), 1u);
    EXPECT_EQ(device.Interaction().ShownMessages()[0].text, "There was an error saving the local blog database.");
    EXPECT_EQ(device.Interaction().ShownMessages()[0].icon, MessageIcon::Error);
    EXPECT_EQ(ReadTextFile(device.Path("moved/UserInfo.vxu")), Sample::UserFile(1));
    EXPECT_EQ(user.GetEmail(), "new@example.com");
}

TEST(FindBlogs, TakesEveryStoreFileOfTheDataFolderSorted)
{
    SandboxDevice device;
    CWinBlogUser user;
    auto store = [](std::string_view urlName, std::string_view title) {
        ByteBuilder out;
        out.U16(1).U32(0).U32(0).U16(0).Str(urlName).Str("").Str("").Str(title).Str("").Str("");
        out.U16(0).Bool(false).Bool(false).U16(3).U16(3).Bool(true).U16(25).Bool(false).Bool(false).Bool(false);
        out.U32(0).U16(0).U32(0xFFFFFFFF);
        for (int i = 0; i < 6; ++i)
            out.Count(0);
        return out.Bytes();
    };
    WriteTextFile(DataFolder() + "/Trips.VXL", store("Trips", "Zebra Trips"));
    WriteTextFile(DataFolder() + "/cats.vxl", store("cats", ""));
    WriteTextFile(DataFolder() + "/dogs.Vxl", store("dogs", "Best Dogs"));
    WriteTextFile(DataFolder() + "/broken.vxl", store("broken", "Another").substr(0, 20));
    WriteTextFile(DataFolder() + "/notes.txt", "not a store");
    WriteTextFile(DataFolder() + "/old.vxl.damaged", store("old", "Old"));
    ASSERT_EQ(CreateFolder(DataFolder() + "/x.vxl"), Error::Success);
    WriteTextFile(DataFolder() + "/UserInfo.vxu", Sample::UserFile(1));

    user.Load();
    EXPECT_EQ(user.GetEmail(), "ann@example.com");
    std::vector<std::string> names;
    for (auto& blog : user.GetBlogList())
        names.push_back(blog->GetBlogInfo().GetUrlName());
    // Sorted by title, or URL name without one: Best Dogs, broken (its title
    // was not read), cats, Zebra Trips.
    EXPECT_EQ(names, (std::vector<std::string> { "dogs", "broken", "cats", "Trips" }));
    EXPECT_EQ(user.GetBlogList().GetAt(3)->GetFilePath(), DataFolder() + "/Trips.VXL");
    EXPECT_TRUE(user.GetBlogList().GetAt(1)->GetLoadDamage());

    // Loading again rebuilds the list rather than adding to it.
    EXPECT_EQ(user.FindBlogsOnDevice(), 0);
    EXPECT_EQ(user.GetBlogList().GetSize(), 4u);
}
