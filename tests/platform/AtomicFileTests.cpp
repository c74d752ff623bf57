#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "support/TemporaryFolder.h"

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

TEST(AtomicFile, ACommitLeftToTheKernelIsInPlaceAtOnceAndFlushesLater)
{
    TemporaryFolder folder;
    std::string path = folder.File("store.vxl");
    WriteTextFile(path, "old");
    {
        auto file = AtomicFile::Begin(path);
        ASSERT_FALSE(file.IsError());
        ASSERT_EQ(file->Write("new", 3), Error::Success);
        ASSERT_EQ(file->Commit(CommitFlush::Later), Error::Success);
        EXPECT_EQ(file->Commit(CommitFlush::Later), Error::InvalidParameter) << "once only";
    }
    EXPECT_EQ(ReadTextFile(path), "new") << "any other process sees the new file at once";
    EXPECT_EQ(ListFolder(folder.Path())->size(), 1u);
    EXPECT_EQ(AtomicFile::FlushToDisk(path), Error::Success);
    EXPECT_EQ(AtomicFile::FlushToDisk(folder.File("missing.vxl")), Error::FileNotFound);
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

static std::vector<std::string> Names(const std::string& folder)
{
    std::vector<std::string> names;
    auto entries = ListFolder(folder);
    if (entries.IsError())
        return names;
    for (auto& entry : entries.Value())
        names.push_back(entry.name);
    return names;
}

TEST(AtomicFile, TheTemporaryFileIsNamedAfterTheTargetAndNeverLooksLikeAStore)
{
    TemporaryFolder folder;
    std::string path = folder.File("Trips.vxl");
    auto file = AtomicFile::Begin(path);
    ASSERT_FALSE(file.IsError());
    auto names = Names(folder.Path());
    ASSERT_EQ(names.size(), 1u);
    EXPECT_TRUE(names[0].starts_with("Trips.vxl.saving-")) << names[0];
    EXPECT_EQ(names[0].size(), std::string("Trips.vxl.saving-").size() + 6);
    EXPECT_EQ(file->TemporaryPath(), folder.File(names[0]));
    ASSERT_EQ(file->Commit(), Error::Success);
    EXPECT_EQ(Names(folder.Path()), std::vector<std::string> { "Trips.vxl" });
}

// A save killed midway (SIGKILL: no destructor runs) leaves its temporary
// file; the next save of the same target removes it.
TEST(AtomicFile, ASaveRemovesTheTemporaryFilesOfKilledSaves)
{
    TemporaryFolder folder;
    std::string path = folder.File("Trips.vxl");
    for (int run = 0; run < 3; ++run) {
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            auto file = AtomicFile::Begin(path);
            std::string big(100000, 'x');
            if (!file.IsError() && file->Write(big.data(), big.size()) == Error::Success)
                ::raise(SIGKILL);
            ::_exit(1);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    }
    // Each killed save removed the one killed before it.
    auto left = Names(folder.Path());
    ASSERT_EQ(left.size(), 1u);
    EXPECT_TRUE(left[0].starts_with("Trips.vxl.saving-"));
    // Another target's and a longer name are none of this save's business.
    WriteTextFile(folder.File("Other.vxl.saving-abcdef"), "other");
    WriteTextFile(folder.File("Trips.vxl.saving-abcdefg"), "longer");

    ASSERT_EQ(WriteFileAtomically(path, "new", 3), Error::Success);
    EXPECT_EQ(Names(folder.Path()), (std::vector<std::string> { "Other.vxl.saving-abcdef", "Trips.vxl", "Trips.vxl.saving-abcdefg" }));
}

TEST(AtomicFile, ARunOfSavesLeavesLeftoversToOneSweepOfTheFolder)
{
    TemporaryFolder folder;
    WriteTextFile(folder.File("a.jpg.saving-abcdef"), "killed");
    WriteTextFile(folder.File("b.jpg.saving-123456"), "killed");
    WriteTextFile(folder.File("b.jpg.saving-1234567"), "not a temporary name");
    WriteTextFile(folder.File(".saving-abcdef"), "no target");
    WriteTextFile(folder.File("c.jpg"), "a photo");
    auto file = AtomicFile::BeginWithoutCleanup(folder.File("a.jpg"));
    ASSERT_FALSE(file.IsError());
    ASSERT_EQ(file->Write("new", 3), Error::Success);
    EXPECT_TRUE(PathExists(folder.File("a.jpg.saving-abcdef"))) << "no cleanup at the start";

    AtomicFile::RemoveLeftoversIn(folder.Path());
    EXPECT_TRUE(PathExists(file->TemporaryPath())) << "a save still writing holds its file";
    ASSERT_EQ(file->Commit(CommitFlush::Later), Error::Success);
    EXPECT_EQ(Names(folder.Path()), (std::vector<std::string> { ".saving-abcdef", "a.jpg", "b.jpg.saving-1234567", "c.jpg" }));
}

TEST(AtomicFile, TemporaryFilesOfSavesStillWritingAreLeftAlone)
{
    TemporaryFolder folder;
    std::string path = folder.File("UserInfo.vxu");
    auto writing = AtomicFile::Begin(path);
    ASSERT_FALSE(writing.IsError());
    ASSERT_EQ(writing->Write("half", 4), Error::Success);
    // Just made by a save that has not locked it yet: empty and new.
    std::string starting = folder.File("UserInfo.vxu.saving-000000");
    WriteTextFile(starting, "");
    // Empty, but left long ago.
    std::string abandoned = folder.File("UserInfo.vxu.saving-111111");
    WriteTextFile(abandoned, "");
    timespec old[2] = { { 1000000, 0 }, { 1000000, 0 } };
    ASSERT_EQ(::utimensat(AT_FDCWD, abandoned.c_str(), old, 0), 0);

    ASSERT_EQ(WriteFileAtomically(path, "whole", 5), Error::Success);
    EXPECT_TRUE(PathExists(writing->TemporaryPath()));
    EXPECT_TRUE(PathExists(starting));
    EXPECT_FALSE(PathExists(abandoned));
    // The interrupted writer still finishes its own save.
    ASSERT_EQ(writing->Commit(), Error::Success);
    EXPECT_EQ(ReadTextFile(path), "half");
}
