#include "TestBlog.h"

#include "support/BlogFixtures.h"
#include "support/ScopedEnvironment.h"

#include "platform/DeviceFolders.h"
#include "platform/FolderTree.h"
#include "workflows/ImageSelectWorkflow.h"
#include "workflows/PhotoSearch.h"

#include <chrono>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// The photo picker over the sandboxed device of a TestBlog. Photos are
// made one after the other, each a little later than the last, so that
// their creation times tell their order.
class PhotoPickerTest : public testing::Test {
protected:
    std::string Personal(const std::string& relative) const { return JoinPath(DeviceFolders::Current().PersonalFolder(), relative); }

    std::string MakePhoto(const std::string& path)
    {
        // File times tick in steps of a few milliseconds.
        std::this_thread::sleep_for(std::chrono::milliseconds(12));
        EXPECT_EQ(CreateFolderWithParents(ParentPath(path)), Error::Success);
        WritePhotoFile(path, 64, 48, ++m_seed);
        return path;
    }

    std::vector<std::string> Search(ImageSelectWorkflow& picker)
    {
        picker.SearchDevice();
        std::vector<std::string> paths;
        for (const CImageItem& item : picker.GetItems())
            paths.push_back(item.path);
        return paths;
    }

    std::vector<std::string> Search()
    {
        ImageSelectWorkflow picker(*blog.store, 308);
        return Search(picker);
    }

    TestBlog blog;

private:
    std::uint32_t m_seed { 0 };
};

}

TEST_F(PhotoPickerTest, PhotosOfThePersonalFolderAndOfEveryCardComeNewestFirst)
{
    std::string card = blog.device.AddStorageCard("Storage Card");
    std::string secondCard = blog.device.AddStorageCard("Storage Card 2");
    std::string oldest = MakePhoto(JoinPath(card, "DCIM/100CANON/IMG_0001.JPG"));
    std::string mine = MakePhoto(Personal("Trip/beach.jpg"));
    std::string fromSecondCard = MakePhoto(JoinPath(secondCard, "DCIM/IMG_0002.jpeg"));
    std::string documents = MakePhoto(JoinPath(card, "My Documents/scan.jpg"));
    std::string newest = MakePhoto(JoinPath(card, "DCIM/100CANON/IMG_0003.jpg"));
    // Elsewhere on a card, or not a photo's name: not offered.
    MakePhoto(JoinPath(card, "Other/IMG_0004.jpg"));
    MakePhoto(Personal("photo.jpe"));
    MakePhoto(Personal("photo"));
    MakePhoto(Personal("jpg"));

    EXPECT_EQ(Search(), (std::vector<std::string> { newest, documents, fromSecondCard, mine, oldest }));
}

TEST_F(PhotoPickerTest, TheSearchRunsUnderItsProgressWindowNamingEachFolder)
{
    std::string photo = MakePhoto(Personal("Trip/a.jpg"));
    EXPECT_EQ(Search(), std::vector<std::string> { photo });
    ASSERT_EQ(blog.Interaction().ProgressWindows().size(), 1u);
    const auto& window = *blog.Interaction().ProgressWindows()[0];
    EXPECT_TRUE(window.shown);
    EXPECT_TRUE(window.closed);
    EXPECT_EQ(window.lines[0], "Searching...");
    ASSERT_GE(window.lineHistory.size(), 2u);
    const std::vector<std::string>& folders = window.lineHistory[1];
    EXPECT_EQ(folders.front(), DeviceFolders::Current().PersonalFolder());
    EXPECT_NE(std::find(folders.begin(), folders.end(), Personal("Trip")), folders.end());
    // One step per file or folder seen.
    EXPECT_GE(window.steps, 3);
}

TEST_F(PhotoPickerTest, PhotosTheBlogHasAreLeftOutUntilTheirEntryIsDeleted)
{
    std::string added = MakePhoto(Personal("added.jpg"));
    std::string other = MakePhoto(Personal("other.jpg"));
    std::string dropped = MakePhoto(Personal("dropped.jpg"));
    ASSERT_FALSE(blog.store->NewEntryFromPhotoFile(added).IsError());
    auto droppedEntry = blog.store->NewEntryFromPhotoFile(dropped);
    ASSERT_FALSE(droppedEntry.IsError());
    // An entry dropped from view (deleted on the device only) no longer
    // holds its photo.
    blog.store->DropEntryWithMissingPhoto(**droppedEntry);
    EXPECT_EQ(Search(), (std::vector<std::string> { dropped, other }));

    // Paths are compared without regard to case, as the device's file
    // system compares them.
    auto upperCase = blog.store->NewEntryFromPhotoFile(other);
    ASSERT_FALSE(upperCase.IsError());
    std::string shouted = other;
    for (char& c : shouted)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    (*upperCase)->SetPhotoPath(shouted);
    EXPECT_EQ(Search(), std::vector<std::string> { dropped });

    ASSERT_EQ(blog.store->DeleteEntry(**upperCase, false, false), Error::Success);
    EXPECT_EQ(Search(), (std::vector<std::string> { dropped, other })) << "deleted on the web: offered again";
}

TEST_F(PhotoPickerTest, TicksKeepTheirOrderAndOkAnswersWithThem)
{
    std::string a = MakePhoto(Personal("a.jpg"));
    std::string b = MakePhoto(Personal("b.jpg"));
    std::string c = MakePhoto(Personal("c.jpg"));
    ImageSelectWorkflow picker(*blog.store, 308);
    ASSERT_EQ(Search(picker), (std::vector<std::string> { c, b, a }));

    picker.Toggle(1); // b
    picker.Toggle(2); // a
    picker.Toggle(1); // b again: unticked
    EXPECT_EQ(picker.GetSelectedCount(), 1u);
    EXPECT_EQ(picker.GetSelectedPath(0), a);
    picker.Toggle(0);
    picker.Toggle(1);
    picker.Toggle(7); // past the end: nothing
    EXPECT_TRUE(picker.IsTicked(1));
    EXPECT_FALSE(picker.IsTicked(7));
    EXPECT_EQ(picker.Ok(), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_EQ(picker.GetSelectedPaths(), (std::vector<std::string> { a, c, b }));
}

TEST_F(PhotoPickerTest, CancelEndsTheSearchWithWhatWasFoundSoFar)
{
    ASSERT_EQ(CreateFolderWithParents(Personal("many")), Error::Success);
    for (int i = 0; i < 40; ++i)
        WritePhotoFile(Personal("many/" + std::to_string(100 + i) + ".jpg"), 16, 16, static_cast<std::uint32_t>(i));
    // Cancel is pressed before the search looks at it the first time.
    blog.Interaction().ScriptCancelAfter(0);
    ImageSelectWorkflow picker(*blog.store, 308);
    std::vector<std::string> found = Search(picker);
    EXPECT_TRUE(picker.WasSearchCancelled());
    EXPECT_FALSE(found.empty());
    EXPECT_LT(found.size(), 40u);
    EXPECT_EQ(blog.Interaction().ProgressWindows()[0]->cancelChecks, 1);
}

TEST_F(PhotoPickerTest, NeitherFolderLoopsNorOddFilesTrapTheSearch)
{
    std::string photo = MakePhoto(Personal("Trip/a.jpg"));
    // A link back up the tree, a link to a photo, a FIFO and an unreadable
    // folder, each with a photo's name.
    ASSERT_EQ(::symlink(DeviceFolders::Current().PersonalFolder().c_str(), Personal("Trip/loop.jpg").c_str()), 0);
    ASSERT_EQ(::symlink(photo.c_str(), Personal("link.jpg").c_str()), 0);
    ASSERT_EQ(::mkfifo(Personal("pipe.jpg").c_str(), 0600), 0);
    ASSERT_EQ(CreateFolder(Personal("locked")), Error::Success);
    MakePhoto(Personal("locked/hidden.jpg"));
    ASSERT_EQ(::chmod(Personal("locked").c_str(), 0), 0);

    std::vector<std::string> found = Search();
    ::chmod(Personal("locked").c_str(), 0700);
    std::sort(found.begin(), found.end());
    std::vector<std::string> expected { Personal("link.jpg"), photo };
    if (::geteuid() == 0) // permissions do not hold the superuser back
        expected.push_back(Personal("locked/hidden.jpg"));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(found, expected);
}

TEST(PhotoSearchFolders, TheDesktopsPicturesFolderIsSearchedToo)
{
    TemporaryFolder home;
    ScopedEnvironment homeVariable("HOME", home.Path());
    ScopedEnvironment documents("XDG_DOCUMENTS_DIR", home.File("Documents"));
    ScopedEnvironment pictures("XDG_PICTURES_DIR", home.File("Pictures"));
    DeviceFolders::Use(DeviceFolders::ForDesktop());
    std::vector<std::string> folders = PhotoSearch::DeviceFolders();
    DeviceFolders::Use(DeviceFolders::FromEnvironment());
    ASSERT_GE(folders.size(), 2u);
    EXPECT_EQ(folders.front(), home.File("Documents"));
    EXPECT_EQ(folders.back(), home.File("Pictures"));

    // A sandboxed device keeps its pictures inside the personal folder.
    DeviceFolders::Use(DeviceFolders::ForSandbox(home.Path()));
    folders = PhotoSearch::DeviceFolders();
    DeviceFolders::Use(DeviceFolders::FromEnvironment());
    EXPECT_EQ(folders, std::vector<std::string> { home.File("My Documents") });
}

TEST(PhotoSearchOrder, AnItemAsOldAsOthersGoesAfterThem)
{
    std::vector<CImageItem> items;
    auto item = [](const char* name, std::int64_t seconds) { return CImageItem { name, 0, { seconds, 0 } }; };
    PhotoSearch::InsertByTime(items, item("b", 20));
    PhotoSearch::InsertByTime(items, item("a", 30));
    PhotoSearch::InsertByTime(items, item("c", 10));
    PhotoSearch::InsertByTime(items, item("b2", 20));
    PhotoSearch::InsertByTime(items, item("a2", 30));
    std::vector<std::string> order;
    for (auto& each : items)
        order.push_back(each.path);
    EXPECT_EQ(order, (std::vector<std::string> { "a", "a2", "b", "b2", "c" }));
}
