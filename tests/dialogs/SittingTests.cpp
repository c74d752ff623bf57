// One person's sitting at the desktop program, through its real dialogs,
// against the reference service on 127.0.0.1: every step is checked against
// what the device's store file then holds and what the service holds, read
// by a second device of the same account; at the end the person's other
// device, through the command line, syncs and finds the sitting's work.

#include "DialogTestKit.h"
#include "ProgramScreen.h"
#include "QtTestEnvironment.h"
#include "../apps/CliDevice.h"
#include "../server/ServerTestKit.h"

#include "support/BlogFixtures.h"

#include "app/Preferences.h"
#include "dialogs/CCommentsListBox.h"
#include "dialogs/CImageSelectDlg.h"
#include "dialogs/LimitedLineEdit.h"
#include "dialogs/LimitedTextEdit.h"
#include "imaging/JpegImage.h"
#include "imaging/JpegInfo.h"
#include "model/CWinBlogStorage.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/DeviceFolders.h"
#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "ui/CChildView.h"
#include "ui/CImageGridCtrl.h"
#include "ui/DeviceScreen.h"
#include "workflows/MainViewController.h"
#include "workflows/ServiceNetworkOperations.h"

#include <QComboBox>
#include <QDialog>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <map>

namespace {

constexpr const char* kPassword = "harbour lights";

// The service holds Sam's blog "trips" with the category "Beach" and one
// photo, "Harbour" (1280 x 960), on which Rita has commented. The device
// has only Sam's login and three photos of Sam's own in its documents.
class DesktopSitting : public ProgramScreenTest {
protected:
    void BuildDevice() override
    {
        sam = service.AddUser("sam@example.com", kPassword);
        TestAccount rita = service.AddUser("rita@example.com");
        Device web(service, sam);
        web.CreateBlog("trips", "Trips");
        beach = web.AddCategory("trips", "Beach");
        harbour = web.AddEntry("trips", "Harbour", TestJpeg(1280, 960, 3), beach, "Boats waiting for the tide.");
        Device(service, rita).AddComment("trips", harbour, "Lovely light");
        second = std::make_unique<Device>(service, sam);

        ASSERT_TRUE(WriteServiceHost(Utf8ToUtf16(service.Host())));
        // The daily message check is not the subject here.
        ASSERT_TRUE(WriteLastMessageCheck(GetCurrentSeconds()));
        CWinBlogUser login;
        login.SetEmail(sam.email);
        login.SetPassword(sam.password);
        ASSERT_EQ(login.Save(), Error::Success);
        for (int i = 0; i < 3; ++i)
            photos.push_back(MakePhoto("Photos/IMG_000" + std::to_string(i + 1) + ".jpg", static_cast<std::uint32_t>(20 + i)));
    }

    // "trips" as the service lists it now, to a second device of Sam's.
    Answer OnTheService() { return second->GetChanges("trips"); }
    static std::map<std::string, std::string> RecordTitled(const Answer& changes, const std::string& title)
    {
        for (auto& record : changes.Records("PI")) {
            if (record["TI"] == title)
                return record;
        }
        return {};
    }

    // The store's entry with this title (none when there is none).
    static const BlogEntry* EntryTitled(const CWinBlogStorage& store, const std::string& title)
    {
        for (auto& entry : store.GetEntries()) {
            if (entry->GetTitle() == title)
                return entry.get();
        }
        return nullptr;
    }

    // The shown index of the open blog's entry that passes `test`.
    size_t ShownIndexOf(const std::function<bool(const BlogEntry&)>& test)
    {
        CWinBlogStorage& blog = *Controller().GetCurrentBlog();
        for (size_t i = 0; i < blog.GetShownEntryCount(); ++i) {
            if (test(*blog.GetShownEntryAt(i)))
                return i;
        }
        ADD_FAILURE() << "no such entry shown";
        return 0;
    }

    void Screenshot(const QString& name)
    {
        QApplication::processEvents();
        EXPECT_TRUE(Screen().grab().save(ScreenshotFolder() + "/" + name + ".png")) << name.toStdString();
    }

    // The messages and questions shown to the person since the last call,
    // one a line.
    std::string NewMessages()
    {
        std::string all;
        auto& shown = device.Interaction().ShownMessages();
        for (; m_messagesRead < shown.size(); ++m_messagesRead)
            all += shown[m_messagesRead].text + "\n";
        return all;
    }

    ServiceUnderTest service;
    TestAccount sam;
    ServiceNetworkOperations network;
    std::unique_ptr<Device> second;
    std::uint32_t beach { 0 };
    std::uint32_t harbour { 0 };
    std::vector<std::string> photos;

private:
    size_t m_messagesRead { 0 };
};

// The pixel size of a JPEG file.
std::pair<int, int> SizeOfPhoto(const std::string& path)
{
    auto file = File::Open(path, File::Mode::Read);
    if (file.IsError())
        return {};
    JpegImage image(*file);
    JpegInfo info;
    if (image.ReadInfo(info) != Error::Success)
        return {};
    return { info.width, info.height };
}

}

TEST_F(DesktopSitting, OnePersonsSittingReachesTheServiceAndTheStore)
{
    Start(&network);
    std::string blogFolder = JoinPath(DeviceFolders::Current().PicturesFolder(), "trips");

    // The first sync brings the account's blog down, with its photo and
    // Rita's comment.
    device.Interaction().ScriptAnswer(true);
    device.Interaction().ScriptAnswer(true);
    RunCommand(Command::SyncAllBlogs);
    ASSERT_EQ(NewMessages(), "Do you want to subscribe to the blog 'trips'?\n"
                             "You have one or more new subscriptions. Do you want to download the entries now?\n");
    {
        auto saved = Saved();
        ASSERT_EQ(saved->GetEntries().GetSize(), 1u);
        const BlogEntry* entry = saved->FindEntryByServerId(harbour);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->GetCategoryId(), beach);
        EXPECT_EQ(saved->GetComments().GetSize(), 1u);
    }
    EXPECT_EQ(Controller().GetItemCount(), 1u) << "the home list shows the blog";
    Screenshot("Sitting-1-home");

    // Add Photo: two of the three photos in the documents, ticked in the
    // picker; with two added no edit dialog comes (one would fail the run).
    Controller().OpenBlog(0);
    ASSERT_TRUE(RunWithDialog(Command::AddPhoto, [&](QDialog& dialog) {
        auto* picker = qobject_cast<CImageSelectDlg*>(&dialog);
        ASSERT_NE(picker, nullptr);
        CImageGridCtrl& grid = picker->GetGrid();
        ASSERT_EQ(grid.GetItemCount(), 3) << "the photos in the documents, and not the blog's own";
        // Newest first: IMG_0003 at the top.
        QTest::mouseClick(&grid, Qt::LeftButton, {}, CellCentre(grid, 2));
        QTest::mouseClick(&grid, Qt::LeftButton, {}, CellCentre(grid, 0));
        SaveScreenshot(dialog, "Sitting-2-CImageSelectDlg");
        Click(dialog, "OK");
    }));
    {
        auto saved = Saved();
        ASSERT_EQ(saved->GetEntries().GetSize(), 3u);
        std::vector<std::string> added;
        for (auto& entry : saved->GetEntries()) {
            if (entry->GetServerId() == 0) {
                EXPECT_TRUE(entry->IsPending());
                EXPECT_GT(entry->GetThumbnailSize(), 0u);
                added.push_back(entry->GetPhotoPath());
            }
        }
        std::sort(added.begin(), added.end());
        EXPECT_EQ(added, (std::vector<std::string> { photos[0], photos[2] }));
    }
    EXPECT_EQ(OnTheService().Records("PI").size(), 1u) << "nothing is sent before the sync";
    Screenshot("Sitting-3-blog");

    // The newest photo gets a title and a text in the entry editor.
    Controller().OpenEntry(ShownIndexOf([&](const BlogEntry& entry) { return entry.GetPhotoPath() == photos[2]; }));
    ASSERT_TRUE(RunWithDialog(Command::EditEntry, [&](QDialog& dialog) {
        Find<LimitedLineEdit>(dialog, "titleField")->SetText("Lighthouse");
        Find<LimitedTextEdit>(dialog, "captionField")->SetText(u"The old light at the end of the pier.");
        SaveScreenshot(dialog, "Sitting-4-CEditEntryDlg");
        Click(dialog, "OK");
    }));
    {
        auto saved = Saved();
        const BlogEntry* lighthouse = EntryTitled(*saved, "Lighthouse");
        ASSERT_NE(lighthouse, nullptr);
        EXPECT_EQ(lighthouse->GetCaption(), "The old light at the end of the pier.");
        EXPECT_EQ(lighthouse->GetPhotoPath(), photos[2]);
        EXPECT_TRUE(lighthouse->IsPending());
    }

    // Both new photos are unfiled; Categorize Entries puts them in "Beach".
    RunCommand(Command::Ok); // the navigation bar's "ok" closes the entry
    Controller().RunCommand(Command::CategoryUnfiled);
    ASSERT_EQ(Controller().GetItemCount(), 2u);
    ASSERT_TRUE(RunWithDialog(Command::CategorizeEntries, [](QDialog& dialog) {
        auto* list = Find<QComboBox>(dialog, "categoryList");
        list->setCurrentIndex(list->findText("Beach"));
        Click(dialog, "OK");
    }));
    EXPECT_EQ(Controller().GetItemCount(), 0u) << "none unfiled now";
    auto categorized = Saved();
    for (auto& entry : categorized->GetEntries())
        EXPECT_EQ(entry->GetCategoryId(), beach) << entry->GetTitle();
    Controller().RunCommand(Command::CategoryAll);

    // The blog's sync sends both photos, with their texts and category.
    RunCommand(Command::SyncBlog);
    ASSERT_EQ(NewMessages(), "");
    {
        auto saved = Saved();
        ASSERT_EQ(saved->GetEntries().GetSize(), 3u);
        for (auto& entry : saved->GetEntries()) {
            EXPECT_FALSE(entry->IsPending()) << entry->GetTitle();
            EXPECT_NE(entry->GetServerId(), 0u) << entry->GetTitle();
        }
        Answer listed = OnTheService();
        ASSERT_EQ(listed.Records("PI").size(), 3u) << listed.body;
        auto lighthouse = RecordTitled(listed, "Lighthouse");
        EXPECT_EQ(lighthouse["ID"], std::to_string(EntryTitled(*saved, "Lighthouse")->GetServerId()));
        EXPECT_EQ(lighthouse["CP"], "The old light at the end of the pier.");
        EXPECT_EQ(lighthouse["CI"], std::to_string(beach));
        // The photo itself, as the service keeps it.
        Answer photo = second->Get(PathOf(lighthouse["OU"]));
        ASSERT_EQ(photo.status, 200);
        EXPECT_EQ(photo.body, *ReadWholeFile(photos[2]));
    }
    Screenshot("Sitting-5-synced");

    // Harbour's comments: Rita's is there, Sam adds one, sent at once.
    Controller().OpenEntry(ShownIndexOf([&](const BlogEntry& entry) { return entry.GetServerId() == harbour; }));
    ASSERT_TRUE(RunWithDialog(Command::ViewComments, [&](QDialog& dialog) {
        auto* list = Find<CCommentsListBox>(dialog, "commentList");
        ASSERT_EQ(list->count(), 1);
        EXPECT_NE(list->item(0)->text().indexOf("Lovely light"), -1) << list->item(0)->text().toStdString();
        WhenModalOpens([](QWidget* adding) {
            Find<LimitedTextEdit>(*adding, "commentField")->SetText(u"Wish I had been there");
            Click(*adding, "Add");
        });
        Click(dialog, "Add...");
        EXPECT_EQ(list->count(), 2);
        SaveScreenshot(dialog, "Sitting-6-CCommentsDlg");
        Click(dialog, "Done");
    }));
    {
        auto saved = Saved();
        ASSERT_EQ(saved->GetComments().GetSize(), 2u);
        for (auto& comment : saved->GetComments()) {
            EXPECT_FALSE(comment->IsPending()) << comment->GetText();
            EXPECT_NE(comment->GetCommentId(), 0u) << comment->GetText();
        }
        auto comments = OnTheService().Records("OM");
        ASSERT_EQ(comments.size(), 2u);
        bool found = false;
        for (auto& comment : comments)
            found = found || (comment["OT"] == "Wish I had been there" && comment["ID"] == std::to_string(harbour));
        EXPECT_TRUE(found);
    }

    // Harbour's caption is changed in the entry editor and sent at once
    // with its Sync; the entry page stays open.
    ASSERT_TRUE(RunWithDialog(Command::EditEntry, [](QDialog& dialog) {
        Find<LimitedTextEdit>(dialog, "captionField")->SetText(u"Boats waiting for the evening tide.");
        Click(dialog, "Sync");
    }));
    EXPECT_EQ(NewMessages(), "");
    EXPECT_EQ(Controller().GetMode(), ViewMode::Entry);
    EXPECT_FALSE(Saved()->FindEntryByServerId(harbour)->IsPending());
    EXPECT_EQ(RecordTitled(OnTheService(), "Harbour")["CP"], "Boats waiting for the evening tide.");

    // A larger photo of Harbour, now: 640 x 480 into the blog's photo
    // folder.
    ASSERT_TRUE(RunWithDialog(Command::DownloadPhoto, [](QDialog& dialog) {
        auto* sizes = Find<QComboBox>(dialog, "sizeList");
        sizes->setCurrentIndex(sizes->findText("640x480"));
        Click(dialog, "Now");
    }));
    std::string larger;
    {
        auto saved = Saved();
        const BlogEntry* entry = saved->FindEntryByServerId(harbour);
        larger = entry->GetPhotoPath();
        EXPECT_EQ(entry->GetPhotoState(), 6);
        EXPECT_EQ(ParentPath(larger), blogFolder);
        EXPECT_EQ(SizeOfPhoto(larger), (std::pair<int, int> { 640, 480 }));
        EXPECT_FALSE(entry->IsPending());
    }
    Screenshot("Sitting-7-larger-photo");

    // Purged again: the file goes, the thumbnail stays, the service keeps it.
    device.Interaction().ScriptAnswer(true);
    RunCommand(Command::PurgePhoto);
    EXPECT_EQ(NewMessages(), "Delete the photo for this blog entry? The thumbnail will remain.\n");
    EXPECT_FALSE(PathExists(larger));
    EXPECT_GT(Saved()->FindEntryByServerId(harbour)->GetThumbnailSize(), 0u);
    EXPECT_EQ(OnTheService().Records("PI").size(), 3u);
    Screenshot("Sitting-8-purged");

    // A storage card comes in; the blog's photos go there and back.
    std::string card = device.AddStorageCard();
    std::map<std::string, std::string> bytesOf;
    for (const std::string& photo : { photos[0], photos[2] })
        bytesOf[FileNameOf(photo)] = *ReadWholeFile(photo);
    auto photoPaths = [&] {
        std::vector<std::string> paths;
        auto saved = Saved();
        for (auto& entry : saved->GetEntries()) {
            if (entry->GetServerId() != harbour)
                paths.push_back(entry->GetPhotoPath());
        }
        std::sort(paths.begin(), paths.end());
        return paths;
    };
    auto move = [&](const QString& from, const QString& to) {
        return RunWithDialog(Command::MovePhotos, [&](QDialog& dialog) {
            auto* source = Find<QComboBox>(dialog, "sourceList");
            auto* destination = Find<QComboBox>(dialog, "destinationList");
            source->setCurrentIndex(source->findText(from));
            destination->setCurrentIndex(destination->findText(to));
            if (from == "Internal")
                SaveScreenshot(dialog, "Sitting-9-CMovePhotosDlg");
            Click(dialog, "OK");
        });
    };
    RunCommand(Command::Ok);
    ASSERT_EQ(Controller().GetMode(), ViewMode::Blog);
    ASSERT_TRUE(move("Internal", "Storage Card"));
    std::string cardFolder = JoinPath(card, "DCIM/trips");
    EXPECT_EQ(photoPaths(), (std::vector<std::string> { JoinPath(cardFolder, "IMG_0001.jpg"), JoinPath(cardFolder, "IMG_0003.jpg") }));
    for (const std::string& path : photoPaths())
        EXPECT_EQ(*ReadWholeFile(path), bytesOf[FileNameOf(path)]) << path;
    EXPECT_FALSE(PathExists(photos[0]));

    ASSERT_TRUE(move("Storage Card", "Internal"));
    EXPECT_EQ(photoPaths(), (std::vector<std::string> { JoinPath(blogFolder, "IMG_0001.jpg"), JoinPath(blogFolder, "IMG_0003.jpg") }));
    for (const std::string& path : photoPaths())
        EXPECT_EQ(*ReadWholeFile(path), bytesOf[FileNameOf(path)]) << path;
    EXPECT_FALSE(PathExists(cardFolder)) << "the emptied folder goes";

    // None of it was a change for the service: a sync sends nothing.
    RunCommand(Command::SyncBlog);
    EXPECT_EQ(NewMessages(), "");
    EXPECT_EQ(OnTheService().Records("PI").size(), 3u);
    EXPECT_EQ(Saved()->GetEntries().GetSize(), 3u);
    Screenshot("Sitting-10-end");

    // Sam's other device, through the command line, finds the sitting's
    // work there.
    CliDevice other(service.Host());
    other.Json({ "--yes", "login", sam.email, sam.password });
    other.Json({ "sync" });
    nlohmann::ordered_json entries = other.Json({ "entries", "trips" });
    ASSERT_EQ(entries.size(), 3u) << entries.dump();
    std::string harbourIndex;
    for (auto& entry : entries) {
        EXPECT_EQ(entry["category_id"], beach) << entry.dump();
        if (entry["title"] == "Lighthouse") {
            EXPECT_EQ(entry["caption"], "The old light at the end of the pier.");
        }
        if (entry["server_id"] == harbour)
            harbourIndex = std::to_string(entry["index"].get<int>());
    }
    ASSERT_FALSE(harbourIndex.empty());
    std::vector<std::string> texts;
    for (auto& comment : other.Json({ "comments", "trips", harbourIndex }))
        texts.push_back(comment["text"]);
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (std::vector<std::string> { "Lovely light", "Wish I had been there" }));
}
