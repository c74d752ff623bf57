#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(AtomicFile, ReplacesTheTargetOnlyOnCommit)
{
    TemporaryFolder folder;
    std::string path = folder.File("store.vxl");
    WriteTextFile(path, "old");
    {
        auto file = AtomicFile::Begin(path);
        ASSERT_FALSE(file.IsError());
        ASSERT_EQ(file->Write("new contents", 12), Error::Success);
        EXPECT_EQ(ReadTextFile(path), "old");
        // Abandoned without commit: the old file stays, the temporary goes.
    }
    EXPECT_EQ(ReadTextFile(path), "old");
    EXPECT_EQ(ListFolder(folder.Path())->size(), 1u);

    ASSERT_EQ(WriteFileAtomically(path, "new", 3), Error::Success);
    EXPECT_EQ(ReadTextFile(path), "new");
    EXPECT_EQ(ListFolder(folder.Path())->size(), 1u);
}

TEST(AtomicFile, NewFilesTakeTheRequestedModeAndReplacementsKeepTheirs)
{
    TemporaryFolder folder;
    std::string secret = folder.File("UserInfo.vxu");
    ASSERT_EQ(WriteFileAtomically(secret, "x", 1, 0600), Error::Success);
    struct stat st { };
    ASSERT_EQ(::stat(secret.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    std::string shared = folder.File("shared");
    WriteTextFile(shared, "x");
    ::chmod(shared.c_str(), 0640);
    ASSERT_EQ(WriteFileAtomically(shared, "y", 1, 0600), Error::Success);
    ASSERT_EQ(::stat(shared.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(AtomicFile, AFailedBeginLeavesNothingBehind)
{
    TemporaryFolder folder;
    WriteTextFile(folder.File("notafolder"), "x");
    auto file = AtomicFile::Begin(folder.File("notafolder/store.vxl"));
    EXPECT_TRUE(file.IsError());
    EXPECT_EQ(file.GetError(), Error::PathNotFound);
    EXPECT_EQ(ListFolder(folder.Path())->size(), 1u);
}
