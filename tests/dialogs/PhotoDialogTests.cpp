#include "DialogTestKit.h"
#include "QtTestEnvironment.h"
#include "workflows/TestBlog.h"

#include "dialogs/CDownloadPhotoDlg.h"
#include "dialogs/CMovePhotosDlg.h"
#include "dialogs/CPurgePhotosDlg.h"
#include "workflows/DownloadPhotoWorkflow.h"
#include "workflows/MovePhotosWorkflow.h"
#include "workflows/PurgePhotosWorkflow.h"

#include "app/Preferences.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(PhotoDialogs, PurgePhotosAsksAndYesDeletesTheShownPhotos)
{
    TestBlog blog;
    std::string photo = blog.AddPhoto(blog.AddEntry(1, 100), "1.jpg");
    PurgePhotosWorkflow workflow;
    CPurgePhotosDlg dialog(workflow);
    EXPECT_EQ(dialog.windowTitle(), "Delete Photos");
    EXPECT_EQ(Find<QLabel>(dialog, "question")->text(), "Delete the photos for all blog entries shown? The entries will remain with thumbnails only.");
    SaveScreenshot(dialog, "CPurgePhotosDlg");
    Click(dialog, "No");
    EXPECT_EQ(dialog.result(), DialogResults::Cancel);
    EXPECT_TRUE(PathExists(photo));
    Click(dialog, "Yes");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
    PurgePhotosWorkflow::PurgeShownPhotos(*blog.store);
    EXPECT_FALSE(PathExists(photo));
}

TEST(PhotoDialogs, MovePhotosProposesInternalToTheCardAndRefusesTheSamePlace)
{
    TestBlog blog;
    blog.device.AddStorageCard("Storage Card");
    MovePhotosWorkflow workflow(*MovePhotosWorkflow::DeviceLocations());
    CMovePhotosDlg dialog(workflow);
    EXPECT_EQ(dialog.windowTitle(), "Move Photos");
    auto* source = Find<QComboBox>(dialog, "sourceList");
    auto* destination = Find<QComboBox>(dialog, "destinationList");
    EXPECT_EQ(source->count(), 2);
    EXPECT_EQ(source->currentText(), "Internal");
    EXPECT_EQ(destination->currentText(), "Storage Card");
    SaveScreenshot(dialog, "CMovePhotosDlg");

    source->setCurrentIndex(1);
    Click(dialog, "OK");
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(blog.Shown(), std::vector<std::string> { "You've specified the same location for the source and destination." });
    destination->setCurrentIndex(0);
    Click(dialog, "OK");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
    EXPECT_EQ(workflow.MoveChosenPhotos(*blog.store), Error::Success);
}

TEST(PhotoDialogs, DownloadPhotoStartsAtTheEntrysSizeAndNextSyncRemembersTheChoice)
{
    TestBlog blog;
    ASSERT_TRUE(WriteDownloadPhotoSize(5));
    BlogEntry& entry = blog.AddEntry(1, 100);
    blog.AddPhoto(entry, "1.jpg", 4);
    DownloadPhotoWorkflow workflow(DownloadPhotoWorkflow::InitialSize(entry));
    CDownloadPhotoDlg dialog(workflow);
    EXPECT_EQ(dialog.windowTitle(), "Download Photo");
    auto* sizes = Find<QComboBox>(dialog, "sizeList");
    EXPECT_EQ(sizes->count(), 6);
    EXPECT_EQ(sizes->itemText(0), "176x132");
    EXPECT_EQ(sizes->currentText(), "320x240");
    EXPECT_FALSE(Find<QPushButton>(dialog, "nowButton")->isEnabled()) << "no download at once yet";
    SaveScreenshot(dialog, "CDownloadPhotoDlg");

    sizes->setCurrentIndex(4);
    Click(dialog, "Next Sync");
    EXPECT_EQ(dialog.result(), DialogResults::DownloadNextSync);
    EXPECT_EQ(ReadDownloadPhotoSize(), 6u);
    workflow.RequestAtNextSync(*blog.store, entry);
    EXPECT_EQ(entry.GetPhotoState(), 12);

    workflow.OfferNow(true);
    CDownloadPhotoDlg withNow(workflow);
    Click(withNow, "Now");
    EXPECT_EQ(withNow.result(), DialogResults::Ok);
}
