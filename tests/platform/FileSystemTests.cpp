#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "support/TemporaryFolder.h"

#include <algorithm>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

TEST(Path, SplitsAndJoinsNativePaths)
{
    EXPECT_EQ(JoinPath("/a/b", "c.vxl"), "/a/b/c.vxl");
    EXPECT_EQ(JoinPath("/a/b/", "/c"), "/a/b/c");
    EXPECT_EQ(ParentPath("/a/b/c.vxl"), "/a/b");
    EXPECT_EQ(ParentPath("/c"), "/");
    EXPECT_EQ(FileNameOf("/a/b/Trips.VXL"), "Trips.VXL");
    EXPECT_EQ(ExtensionOf("/a/b/Trips.VXL"), "VXL");
    EXPECT_EQ(ExtensionOf("/a.b/noext"), "");
    EXPECT_EQ(FileNameWithoutExtension("/x/photo.2.jpg"), "photo.2");
    EXPECT_TRUE(EqualsIgnoringCase("MyBlog", "myblog"));
    EXPECT_TRUE(StartsWithIgnoringCase("/HOME/x", "/home"));
    // Upper-case letters sort as lower case, after '_' (0x5F).
    EXPECT_GT(CompareIgnoringCase("Zeta", "_under"), 0);
    EXPECT_LT(CompareIgnoringCase("abc", "ABCD"), 0);
}

TEST(FileSystem, FoldersFilesAndMoves)
{
    TemporaryFolder folder;
    std::string deep = folder.File("a/b/c");
    EXPECT_NE(CreateFolder(deep), Error::Success) << "one level only";
    EXPECT_EQ(CreateFolderWithParents(deep), Error::Success);
    EXPECT_TRUE(IsDirectory(deep));

    std::string photo = folder.File("a/photo.jpg");
    WriteTextFile(photo, "jpeg");
    EXPECT_EQ(RemoveEmptyFolder(folder.File("a")), Error::DirectoryNotEmpty);
    EXPECT_EQ(MoveFile(photo, folder.File("a/b/c/photo.jpg")), Error::Success);
    EXPECT_FALSE(PathExists(photo));
    EXPECT_EQ(ReadTextFile(folder.File("a/b/c/photo.jpg")), "jpeg");

    EXPECT_EQ(DeleteFileIfExists(photo), Error::Success);
    EXPECT_EQ(MoveFile(photo, folder.File("x")), Error::FileNotFound);

    auto entries = ListFolder(folder.File("a/b"));
    ASSERT_FALSE(entries.IsError());
    ASSERT_EQ(entries->size(), 1u);
    EXPECT_TRUE((*entries)[0].isDirectory);
    EXPECT_EQ(ListFolder(folder.File("nope")).GetError(), Error::FileNotFound);

    auto names = ListFolderNames(folder.Path());
    ASSERT_FALSE(names.IsError());
    auto listed = ListFolder(folder.Path());
    std::sort(names->begin(), names->end());
    ASSERT_EQ(names->size(), listed->size());
    for (std::size_t i = 0; i < names->size(); ++i)
        EXPECT_EQ((*names)[i], (*listed)[i].name) << "the same names, without . and ..";
    EXPECT_EQ(ListFolderNames(folder.File("nope")).GetError(), Error::FileNotFound);
}

TEST(FileSystem, CopiesKeepTheLastWriteTimeAndSameFilesAreRecognised)
{
    TemporaryFolder folder;
    std::string photo = folder.File("photo.jpg");
    WriteTextFile(photo, "jpeg bytes");
    struct timespec times[2] = { { 1400000000, 0 }, { 1400000000, 0 } };
    ASSERT_EQ(::utimensat(AT_FDCWD, photo.c_str(), times, 0), 0);
    ASSERT_EQ(CopyFile(photo, folder.File("copy.jpg")), Error::Success);
    EXPECT_EQ(*LastWriteTimeOf(folder.File("copy.jpg")), 1400000000);
    EXPECT_EQ(ReadTextFile(folder.File("copy.jpg")), "jpeg bytes");

    EXPECT_TRUE(IsSameFile(photo, folder.File("./photo.jpg")));
    EXPECT_FALSE(IsSameFile(photo, folder.File("copy.jpg")));
    EXPECT_FALSE(IsSameFile(photo, folder.File("missing.jpg")));
    ASSERT_EQ(::symlink(photo.c_str(), folder.File("link.jpg").c_str()), 0);
    EXPECT_TRUE(IsSameFile(folder.File("link.jpg"), photo));
}

// A listing names each entry's kind with links followed: a link to a folder
// is a folder, one to a file a file, and one to nothing neither.
TEST(FileSystem, ListingFollowsLinks)
{
    TemporaryFolder folder;
    ASSERT_EQ(CreateFolderWithParents(folder.File("album")), Error::Success);
    WriteTextFile(folder.File("photo.jpg"), "jpeg");
    ASSERT_EQ(::symlink(folder.File("album").c_str(), folder.File("link-to-album").c_str()), 0);
    ASSERT_EQ(::symlink(folder.File("photo.jpg").c_str(), folder.File("link-to-photo.jpg").c_str()), 0);
    ASSERT_EQ(::symlink(folder.File("gone").c_str(), folder.File("link-to-nothing").c_str()), 0);

    auto entries = ListFolder(folder.Path());
    ASSERT_FALSE(entries.IsError());
    std::vector<std::string> kinds;
    for (const DirectoryEntry& entry : *entries)
        kinds.push_back(entry.name + (entry.isDirectory ? " folder" : "") + (entry.isRegularFile ? " file" : ""));
    EXPECT_EQ(kinds, (std::vector<std::string> { "album folder", "link-to-album folder", "link-to-nothing", "link-to-photo.jpg file", "photo.jpg file" }));
}

// Runs `check` in a child process that is given a few seconds: an open that
// waits (as one of a FIFO for reading does) shows up as a failure, not as a
// test that never ends.
static bool PassesWithinSeconds(unsigned seconds, const std::function<bool()>& check)
{
    pid_t child = ::fork();
    if (child == 0) {
        ::alarm(seconds);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(File, OnlyRegularFilesOpenAndNothingWaitsForAFifo)
{
    TemporaryFolder folder;
    std::string fifo = folder.File("x.vxl");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ASSERT_EQ(CreateFolder(folder.File("folder.vxl")), Error::Success);
    WriteTextFile(folder.File("file.vxl"), "bytes");

    EXPECT_TRUE(PassesWithinSeconds(5, [&] {
        auto read = File::Open(fifo, File::Mode::Read);
        auto readWrite = File::Open(fifo, File::Mode::ReadWrite);
        return read.GetError() == Error::NotARegularFile && readWrite.GetError() == Error::NotARegularFile
            && ReadWholeFile(fifo).GetError() == Error::NotARegularFile;
    }));
    EXPECT_EQ(File::Open(folder.File("folder.vxl"), File::Mode::Read).GetError(), Error::IsADirectory);
    auto file = File::Open(folder.File("file.vxl"), File::Mode::Read);
    ASSERT_FALSE(file.IsError());
    EXPECT_EQ(::fcntl(file->Descriptor(), F_GETFL) & O_NONBLOCK, 0) << "an ordinary descriptor once open";

    auto entries = ListFolder(folder.Path());
    ASSERT_EQ(entries->size(), 3u); // file.vxl, folder.vxl, x.vxl
    EXPECT_TRUE((*entries)[0].isRegularFile);
    EXPECT_TRUE((*entries)[1].isDirectory);
    EXPECT_FALSE((*entries)[1].isRegularFile);
    EXPECT_FALSE((*entries)[2].isRegularFile);
    EXPECT_FALSE((*entries)[2].isDirectory);
    EXPECT_EQ(SystemErrorText(Error::IsADirectory), "is a directory (system error 336)");
}
