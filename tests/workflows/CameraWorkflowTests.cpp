#include "MainViewFixture.h"

#include "support/TemporaryFolder.h"

#include "platform/DeviceFolders.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "workflows/CameraCaptureWorkflow.h"
#include "workflows/CameraNotice.h"

namespace {

std::uint32_t WordAt(const std::vector<std::uint8_t>& block, size_t offset)
{
    return block[offset] | (block[offset + 1] << 8) | (block[offset + 2] << 16) | (std::uint32_t(block[offset + 3]) << 24);
}

class CameraNoticeTest : public MainViewTest {
protected:
    std::string Photo(const std::string& name)
    {
        std::string path = JoinPath(DeviceFolders::Current().PersonalFolder(), name);
        WritePhotoFile(path, 320, 240);
        return path;
    }
};

}

TEST(CameraNoticeBlock, HoldsTheResultWordAndTheUtf16PathWhereTheCameraPutsThem)
{
    std::vector<std::uint8_t> block = CameraNotice::MakeBlock("/photos/é.jpg", 5);
    ASSERT_EQ(block.size(), 552u + 2 * 260);
    EXPECT_EQ(WordAt(block, 4), 5u);
    EXPECT_EQ(block[552], '/');
    EXPECT_EQ(block[553], 0);
    EXPECT_EQ(block[552 + 2 * 8], 0xE9) << "é as one UTF-16 unit";
    EXPECT_EQ(block[552 + 2 * 8 + 1], 0);

    std::string longPath = "/" + std::string(400, 'x') + ".jpg";
    std::vector<std::uint8_t> longBlock = CameraNotice::MakeBlock(longPath);
    EXPECT_EQ(CameraNotice::ReadPath(48002, longBlock), longPath) << "paths longer than the handheld's are carried whole";
}

TEST(CameraNoticeBlock, OnlyAPhotoTakenUnderTheCamerasDataTypeIsRead)
{
    std::vector<std::uint8_t> block = CameraNotice::MakeBlock("/photos/a.jpg");
    EXPECT_EQ(CameraNotice::ReadPath(48002, block), "/photos/a.jpg");
    EXPECT_EQ(CameraNotice::ReadPath(48003, block), std::nullopt);
    EXPECT_EQ(CameraNotice::ReadPath(48002, CameraNotice::MakeBlock("/photos/a.jpg", 1)), std::nullopt) << "nothing taken";
    EXPECT_EQ(CameraNotice::ReadPath(48002, CameraNotice::MakeBlock("")), std::nullopt);

    // Damaged blocks: too short, or a path without its end inside the block.
    EXPECT_EQ(CameraNotice::ReadPath(48002, std::span(block).first(551)), std::nullopt);
    std::vector<std::uint8_t> unterminated(block.begin(), block.begin() + 552 + 2 * 13);
    EXPECT_EQ(CameraNotice::ReadPath(48002, unterminated), std::nullopt);
    unterminated.push_back(0);
    EXPECT_EQ(CameraNotice::ReadPath(48002, unterminated), std::nullopt) << "half a character";
    unterminated.push_back(0);
    EXPECT_EQ(CameraNotice::ReadPath(48002, unterminated), "/photos/a.jpg");
}

TEST_F(CameraNoticeTest, AddsThePhotoToTheOpenBlogWithTheEditDialogAsThePreferenceSays)
{
    Start();
    std::string photo = Photo("notice.jpg");
    EXPECT_FALSE(CameraNotice::Deliver(View(), 48002, CameraNotice::MakeBlock(photo))) << "no blog is open";
    EXPECT_EQ(Blog(kTrips).GetEntries().GetSize(), 4u);

    View().OpenBlog(kTrips);
    ASSERT_TRUE(WriteShowEditDialog(1));
    EXPECT_TRUE(CameraNotice::Deliver(View(), 48002, CameraNotice::MakeBlock(photo)));
    EXPECT_EQ(Blog(kTrips).GetEntries().GetSize(), 5u);
    EXPECT_EQ(dialogs.TimesOpened(DialogId::EditEntry), 1u);

    ASSERT_TRUE(WriteShowEditDialog(0));
    EXPECT_TRUE(CameraNotice::Deliver(View(), 48002, CameraNotice::MakeBlock(Photo("second.jpg"))));
    EXPECT_EQ(dialogs.TimesOpened(DialogId::EditEntry), 1u);
    EXPECT_FALSE(CameraNotice::Deliver(View(), 48002, CameraNotice::MakeBlock(Photo("third.jpg"), 1)));
    Start();
    EXPECT_EQ(Blog(kTrips).GetEntries().GetSize(), 6u) << "saved";
}

TEST(CameraPhotoNames, EachPhotoGetsAFreshNameInTheFolder)
{
    TemporaryFolder folder;
    CameraCaptureWorkflow capture(folder.Path());
    auto first = capture.ReservePhotoPath();
    auto second = capture.ReservePhotoPath();
    ASSERT_FALSE(first.IsError());
    ASSERT_FALSE(second.IsError());
    EXPECT_NE(*first, *second);
    EXPECT_EQ(ParentPath(*first), folder.Path());
    EXPECT_EQ(FileNameOf(*first).rfind("IMG_", 0), 0u);
    EXPECT_EQ(ExtensionOf(*first), "jpg");
    EXPECT_TRUE(PathExists(*first)) << "held until the photo replaces it";
    CameraCaptureWorkflow::ReleasePhotoPath(*first);
    EXPECT_FALSE(PathExists(*first));

    CameraCaptureWorkflow nowhere(folder.File("missing"));
    EXPECT_TRUE(nowhere.ReservePhotoPath().IsError());
}
