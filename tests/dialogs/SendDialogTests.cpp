#include "DialogTestKit.h"
#include "QtTestEnvironment.h"
#include "workflows/TestBlog.h"

#include "dialogs/CChooseContactDlg.h"
#include "dialogs/CPhotoEmailDlg.h"
#include "dialogs/CPostRemoteEntryDlg.h"
#include "dialogs/LimitedLineEdit.h"
#include "dialogs/LimitedTextEdit.h"
#include "app/Preferences.h"
#include "platform/Path.h"
#include "workflows/PhotoEmailWorkflow.h"
#include "workflows/PostRemoteEntryWorkflow.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <gtest/gtest.h>

namespace {

// The sends go nowhere here: without the service's operations the dialogs
// close as they would after sending.
class SendDialogs : public testing::Test {
protected:
    SendDialogs()
    {
        std::string names[] = { "Travel Log", "Work Notes" };
        blog.user->SetRemoteBlogNames(names);
    }

    void WriteContacts(const std::string& cards)
    {
        const std::string& personal = DeviceFolders::Current().PersonalFolder();
        ASSERT_EQ(CreateFolderWithParents(personal), Error::Success);
        WriteTextFile(JoinPath(personal, "Contacts.vcf"), cards);
    }

    TestBlog blog;
};

}

TEST_F(SendDialogs, ThePhotoEmailStartsInTheRecipientsAndNeedsOne)
{
    PhotoEmailWorkflow workflow(*blog.user, *blog.store, { 3, 11 }, nullptr);
    CPhotoEmailDlg dialog(workflow);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Photo E-Mail");
    EXPECT_EQ(Find<QLabel>(dialog, "sendingLine")->text(), "Photo Link");
    auto* recipients = Find<LimitedTextEdit>(dialog, "recipientsField");
    EXPECT_EQ(dialog.focusWidget(), recipients);
    Find<LimitedTextEdit>(dialog, "messageField")->SetText(u"Look at this one!");
    SaveScreenshot(dialog, "CPhotoEmailDlg");
    Click(dialog, "Send");
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(blog.Shown(), (std::vector<std::string> { "You need to enter at least one valid email address." }));
    recipients->SetText(u"ann@example.com");
    Click(dialog, "Send");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
}

TEST_F(SendDialogs, ToWithoutAnAddressBookLeavesTheFieldAsItWas)
{
    PhotoEmailWorkflow workflow(*blog.user, *blog.store, { 0, 0 }, nullptr);
    CPhotoEmailDlg dialog(workflow);
    EXPECT_EQ(Find<QLabel>(dialog, "sendingLine")->text(), "Blog Link");
    auto* recipients = Find<LimitedTextEdit>(dialog, "recipientsField");
    recipients->SetText(u"typed@example.com");
    Click(dialog, "To:");
    EXPECT_EQ(recipients->Text(), u"typed@example.com");
    EXPECT_TRUE(blog.Shown().empty());
    EXPECT_EQ(dialog.result(), 0);
}

TEST_F(SendDialogs, TwoChosenContactsAreSeparatedByACommaAndABlank)
{
    WriteContacts("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Smith\r\nEMAIL:ann@example.com\r\nEND:VCARD\r\n"
                  "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Bob Jones\r\nEMAIL;TYPE=WORK:bob@work.example\r\nEMAIL;TYPE=HOME:bob@home.example\r\nEND:VCARD\r\n");
    PhotoEmailWorkflow workflow(*blog.user, *blog.store, { 3, 11 }, nullptr);
    CPhotoEmailDlg dialog(workflow);
    auto* recipients = Find<LimitedTextEdit>(dialog, "recipientsField");

    WhenModalOpens([&](QWidget* chooser) {
        EXPECT_EQ(chooser->windowTitle(), "Choose Contact");
        auto* list = Find<QListWidget>(*chooser, "contactList");
        EXPECT_EQ(list->count(), 3);
        EXPECT_EQ(list->item(0)->text(), "Ann Smith <ann@example.com>");
        SaveScreenshot(*chooser, "CChooseContactDlg");
        Click(*chooser, "OK");
    });
    Click(dialog, "To:");
    WhenModalOpens([&](QWidget* chooser) {
        Find<QListWidget>(*chooser, "contactList")->setCurrentRow(2);
        Click(*chooser, "OK");
    });
    Click(dialog, "To:");
    EXPECT_EQ(recipients->Text(), u"ann@example.com, bob@work.example");
    EXPECT_EQ(recipients->textCursor().position(), recipients->toPlainText().size()) << "the caret at the end";

    WhenModalOpens([&](QWidget* chooser) { Click(*chooser, "Cancel"); });
    Click(dialog, "To:");
    EXPECT_EQ(recipients->Text(), u"ann@example.com, bob@work.example");
}

TEST_F(SendDialogs, TheRemotePostStartsOnTheRememberedBlogWithTheTitleChosen)
{
    ASSERT_TRUE(WriteLastRemoteBlog(u"WORK NOTES"));
    PostRemoteEntryWorkflow workflow(*blog.user, *blog.store, { 3, 11 }, "Harbour", "Boats waiting for the tide.", nullptr);
    CPostRemoteEntryDlg dialog(workflow);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Post Remote Entry");
    auto* blogs = Find<QComboBox>(dialog, "remoteBlogList");
    EXPECT_EQ(blogs->count(), 2);
    EXPECT_EQ(blogs->currentText(), "Work Notes");
    auto* title = Find<LimitedLineEdit>(dialog, "titleField");
    EXPECT_EQ(dialog.focusWidget(), title);
    EXPECT_EQ(title->selectedText(), "Harbour");
    EXPECT_EQ(Find<LimitedTextEdit>(dialog, "textField")->Text(), u"Boats waiting for the tide.");
    SaveScreenshot(dialog, "CPostRemoteEntryDlg");

    title->SetText(QString(50, 'x'));
    Click(dialog, "Publish");
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(blog.Shown(), (std::vector<std::string> { "Please enter no more than 49 characters." }));
    title->SetText("Harbour");
    blogs->setCurrentIndex(0);
    Click(dialog, "Publish");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
    EXPECT_EQ(ReadLastRemoteBlog(), u"Travel Log");
}

TEST_F(SendDialogs, CancellingTheRemotePostKeepsTheRememberedBlog)
{
    ASSERT_TRUE(WriteLastRemoteBlog(u"Travel Log"));
    PostRemoteEntryWorkflow workflow(*blog.user, *blog.store, { 0, 0 }, "Trips", "", nullptr);
    CPostRemoteEntryDlg dialog(workflow);
    Find<QComboBox>(dialog, "remoteBlogList")->setCurrentIndex(1);
    Click(dialog, "Cancel");
    EXPECT_EQ(dialog.result(), DialogResults::Cancel);
    EXPECT_EQ(ReadLastRemoteBlog(), u"Travel Log");
}
