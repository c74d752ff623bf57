// The account and blog management dialogs on the offscreen platform: their
// texts and defaults, limits, buttons reaching the workflows (the network
// steps against the reference service), the layout rule, and a screenshot
// of every dialog and page.

#include "DialogTestKit.h"
#include "workflows/AccountServiceBench.h"

#include "dialogs/CAccountInfoDlg.h"
#include "dialogs/CBrowseBlogsDlg.h"
#include "dialogs/CConfirmDeleteBlogDlg.h"
#include "dialogs/CCreateAccountDlg.h"
#include "dialogs/CEditBlogListDlg.h"
#include "dialogs/CLoginInfoDlg.h"
#include "dialogs/CNewBlogDlg.h"
#include "dialogs/CSubscribeDlg.h"
#include "dialogs/CWelcomeDlg.h"
#include "dialogs/DialogHeading.h"
#include "dialogs/LimitedLineEdit.h"

#include "model/CWinBlogChannels.h"
#include "model/CWinBlogStorage.h"
#include "workflows/AccountInfoWorkflow.h"
#include "workflows/BrowseBlogsWorkflow.h"
#include "workflows/ConfirmDeleteBlogWorkflow.h"
#include "workflows/CreateAccountWorkflow.h"
#include "workflows/EditBlogListWorkflow.h"
#include "workflows/LoginInfoWorkflow.h"
#include "workflows/NewBlogWorkflow.h"
#include "workflows/SubscribeWorkflow.h"
#include "workflows/WelcomeWorkflow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

using AccountDialogTest = AccountServiceBench;

void Type(LimitedLineEdit* field, const QString& text)
{
    field->clear();
    QTest::keyClicks(field, text);
}

bool HasLabel(QWidget& dialog, const QString& text)
{
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text() == text && label->isVisibleTo(&dialog))
            return true;
    }
    return false;
}

}

TEST_F(AccountDialogTest, WelcomeHandsBackTheChoiceWithNext)
{
    WelcomeWorkflow workflow;
    CWelcomeDlg dialog(workflow);
    EXPECT_EQ(dialog.windowTitle(), "Welcome to Vellumbrix");
    ASSERT_NE(dialog.findChild<DialogHeading*>(), nullptr);
    EXPECT_EQ(dialog.findChild<DialogHeading*>()->Text(), "Wecolme to Vellumbrix!");
    EXPECT_TRUE(Find<QRadioButton>(dialog, "createAccountChoice")->isChecked());
    SaveScreenshot(dialog, "CWelcomeDlg");
    Find<QRadioButton>(dialog, "loginInfoChoice")->setChecked(true);
    Click(dialog, "Next");
    EXPECT_EQ(dialog.result(), DialogResults::WelcomeNext);
    EXPECT_EQ(workflow.GetChoice(), WelcomeWorkflow::EnterLoginInfo);
}

TEST_F(AccountDialogTest, LoginInfoTakesTheLoginWithinItsLimits)
{
    LoginInfoWorkflow workflow(*user);
    CLoginInfoDlg dialog(workflow);
    EXPECT_EQ(dialog.windowTitle(), "Enter Login Info");
    EXPECT_TRUE(HasLabel(dialog, "Enter your vellumbrixweb account email address and password."));
    auto* email = Find<LimitedLineEdit>(dialog, "emailField");
    auto* password = Find<LimitedLineEdit>(dialog, "passwordField");
    EXPECT_EQ(password->echoMode(), QLineEdit::Password);
    SaveScreenshot(dialog, "CLoginInfoDlg");
    Type(password, QString(40, 'p'));
    EXPECT_EQ(password->text().size(), 31);
    Click(dialog, "Next");
    EXPECT_EQ(dialog.result(), 0) << "an empty e-mail keeps it open";
    Type(email, "zoe@example.com");
    Click(dialog, "Next");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
    EXPECT_EQ(user->GetEmail(), "zoe@example.com");
}

TEST_F(AccountDialogTest, CreateAccountWalksItsPagesAgainstTheService)
{
    CreateAccountWorkflow workflow(*user, Services());
    CCreateAccountDlg dialog(workflow);
    EXPECT_EQ(dialog.windowTitle(), "Create New Account");
    EXPECT_TRUE(HasLabel(dialog, "To create a vellumbrixweb account, enter your email address and create a password for this account."));
    Type(Find<LimitedLineEdit>(dialog, "emailField"), "zoe@example.com");
    Type(Find<LimitedLineEdit>(dialog, "passwordField"), "s3cret");
    SaveScreenshot(dialog, "CCreateAccountDlg-page0");

    Click(dialog, "Next");
    EXPECT_EQ(dialog.ShownPage(), 1);
    EXPECT_TRUE(HasLabel(dialog, "Please enter your first and last name."));
    EXPECT_FALSE(Find<LimitedLineEdit>(dialog, "emailField")->isVisibleTo(&dialog));
    Type(Find<LimitedLineEdit>(dialog, "firstNameField"), "Zoe");
    Type(Find<LimitedLineEdit>(dialog, "lastNameField"), "Doe");
    SaveScreenshot(dialog, "CCreateAccountDlg-page1");

    Click(dialog, "Next");
    ASSERT_EQ(dialog.ShownPage(), 2);
    EXPECT_EQ(Find<LimitedLineEdit>(dialog, "titleField")->text(), "Zoe's PhotoBlog");
    EXPECT_EQ(Find<LimitedLineEdit>(dialog, "subtitleField")->text(), "Pictures from my camera phone");
    EXPECT_TRUE(HasLabel(dialog, "vellumbrixweb/"));
    Type(Find<LimitedLineEdit>(dialog, "urlField"), "zoe");
    SaveScreenshot(dialog, "CCreateAccountDlg-page2");

    Click(dialog, "Next");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
    EXPECT_TRUE(workflow.WasBlogCreated());
    EXPECT_NE(user->FindBlog(std::string_view("zoe")), nullptr);
}

TEST_F(AccountDialogTest, AccountInfoShowsThePlaceholderAndTheAccountLines)
{
    user->SetEmail("zoe@example.com");
    user->SetPassword("secret");
    user->SetPhotoQuota(300);
    AccountInfoWorkflow workflow(*user);
    CAccountInfoDlg dialog(workflow);
    EXPECT_EQ(dialog.windowTitle(), "Account Info");
    EXPECT_EQ(Find<LimitedLineEdit>(dialog, "emailField")->text(), "zoe@example.com");
    EXPECT_EQ(Find<LimitedLineEdit>(dialog, "passwordField")->text(), "******");
    EXPECT_EQ(Find<QLabel>(dialog, "photoLimit")->text(), "300 photos max");
    EXPECT_TRUE(Find<QLabel>(dialog, "photoLimit")->isVisibleTo(&dialog));
    SaveScreenshot(dialog, "CAccountInfoDlg");
    Click(dialog, "OK");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
    EXPECT_EQ(user->GetPassword(), "secret");

    user->SetPhotoQuota(0);
    AccountInfoWorkflow plain(*user);
    CAccountInfoDlg plainDialog(plain);
    EXPECT_FALSE(Find<QLabel>(plainDialog, "accountKind")->isVisibleTo(&plainDialog));
    EXPECT_FALSE(HasLabel(plainDialog, "Account:"));
}

TEST_F(AccountDialogTest, NewBlogRefusesABadUrlWithoutSendingAndCreatesAGoodOne)
{
    LogIn();
    NewBlogWorkflow workflow(*user, Services());
    CNewBlogDlg dialog(workflow);
    EXPECT_EQ(dialog.windowTitle(), "Create Blog");
    EXPECT_NE(FindButton(dialog, "Create Blog"), nullptr);
    auto* url = Find<LimitedLineEdit>(dialog, "urlField");
    Type(url, QString(40, 'u'));
    EXPECT_EQ(url->text().size(), 31);
    Type(Find<LimitedLineEdit>(dialog, "subtitleField"), QString(70, 's'));
    EXPECT_EQ(Find<LimitedLineEdit>(dialog, "subtitleField")->text().size(), 63);
    Find<LimitedLineEdit>(dialog, "subtitleField")->clear();
    Type(url, "my pics");
    SaveScreenshot(dialog, "CNewBlogDlg");
    Click(dialog, "Create Blog");
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(ProgressWindowsOpened(), 0u);
    EXPECT_EQ(url->selectedText(), "my pics") << "the Blog URL is selected for retyping";
    Type(url, "mypics");
    Click(dialog, "Create Blog");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
    EXPECT_TRUE(workflow.HasNewBlog());
}

TEST_F(AccountDialogTest, SubscribeMovesToItsSettingsPageAndRelabelsItsButton)
{
    LogIn();
    SubscribeWorkflow workflow(*user, dialogs, Services());
    CSubscribeDlg dialog(workflow);
    EXPECT_EQ(dialog.windowTitle(), "Subscribe");
    EXPECT_TRUE(HasLabel(dialog, "Enter the Blog URL of the blog you wish to subscribe to."));
    EXPECT_NE(FindButton(dialog, "Browse..."), nullptr);
    Type(Find<LimitedLineEdit>(dialog, "urlField"), "gallery");
    SaveScreenshot(dialog, "CSubscribeDlg-page0");

    Click(dialog, "Next");
    ASSERT_EQ(dialog.ShownPage(), 1);
    EXPECT_EQ(FindButton(dialog, "Next"), nullptr);
    EXPECT_TRUE(HasLabel(dialog, "Please review your Sync Settings."));
    auto* download = Find<QComboBox>(dialog, "downloadList");
    EXPECT_EQ(download->count(), 8);
    EXPECT_EQ(download->currentText(), "240x180");
    EXPECT_FALSE(Find<QComboBox>(dialog, "uploadList")->isVisibleTo(&dialog));
    EXPECT_EQ(Find<LimitedLineEdit>(dialog, "entryLimitField")->text(), "25");
    EXPECT_TRUE(Find<QCheckBox>(dialog, "limitEntriesBox")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(dialog, "deleteAfterUploadBox")->isChecked());
    SaveScreenshot(dialog, "CSubscribeDlg-page1");

    Click(dialog, "Subscribe");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
    EXPECT_EQ(network.calls, (std::vector<std::string> { "SyncBlog" }));
}

TEST_F(AccountDialogTest, RecommendedBlogsSortsAndHandsBackTheChoice)
{
    CWinBlogChannels channels;
    channels.Parse("zebra Stripes\r\napple Fruit\r\nMango\r\n");
    BrowseBlogsWorkflow workflow(channels);
    CBrowseBlogsDlg dialog(workflow);
    EXPECT_EQ(dialog.windowTitle(), "Recommended Blogs");
    auto* list = Find<QListWidget>(dialog, "channelList");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "apple Fruit");
    EXPECT_EQ(list->item(2)->text(), "zebra Stripes");
    SaveScreenshot(dialog, "CBrowseBlogsDlg");

    int listBottom = list->geometry().bottom();
    int buttonTop = FindButton(dialog, "Subscribe")->y();
    dialog.resize(dialog.width(), dialog.height() + 40);
    EXPECT_EQ(list->geometry().bottom(), listBottom + 40) << "the list grows with the dialog";
    EXPECT_EQ(FindButton(dialog, "Subscribe")->y(), buttonTop + 40);

    list->setCurrentRow(2);
    Click(dialog, "Subscribe");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
    EXPECT_EQ(workflow.GetChosenUrlName(), u"zebra");
}

TEST_F(AccountDialogTest, EditBlogsDisablesItsButtonsOnceTheListIsEmpty)
{
    auto store = std::make_unique<CWinBlogStorage>(user->GetDataFolder(), "trips");
    store->GetBlogInfo().SetTitle("Trips");
    ASSERT_EQ(store->Save(), Error::Success);
    user->GetBlogList().Insert(std::move(store));
    EditBlogListWorkflow workflow(*user, dialogs);
    CEditBlogListDlg dialog(workflow);
    EXPECT_EQ(dialog.windowTitle(), "Edit Blogs");
    ASSERT_NE(dialog.findChild<DialogHeading*>(), nullptr);
    EXPECT_EQ(dialog.findChild<DialogHeading*>()->Text(), "Edit Blogs");
    auto* list = Find<QListWidget>(dialog, "blogList");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "Trips");
    EXPECT_EQ(list->currentRow(), 0);
    SaveScreenshot(dialog, "CEditBlogListDlg");

    int unsubscribeTop = Find<QPushButton>(dialog, "unsubscribeButton")->y();
    dialog.resize(dialog.width(), dialog.height() + 30);
    EXPECT_EQ(Find<QPushButton>(dialog, "unsubscribeButton")->y(), unsubscribeTop + 30);

    dialogs.ScriptResult(DialogId::ConfirmDeleteBlog, DialogResults::Ok);
    Click(dialog, "Unsubscribe...");
    EXPECT_EQ(list->count(), 0);
    EXPECT_FALSE(Find<QPushButton>(dialog, "unsubscribeButton")->isEnabled());
    EXPECT_FALSE(Find<QPushButton>(dialog, "blogPrefsButton")->isEnabled());
    EXPECT_EQ(user->GetBlogList().GetSize(), 0u);
}

TEST_F(AccountDialogTest, ConfirmDeleteAsksAndKeepsThePhotosByDefault)
{
    ConfirmDeleteBlogWorkflow workflow;
    CConfirmDeleteBlogDlg dialog(workflow);
    EXPECT_EQ(dialog.windowTitle(), "Confirm Delete");
    EXPECT_TRUE(HasLabel(dialog, "The blog will be deleted from your device but will remain on the web.\nDo you wish to continue?"));
    EXPECT_FALSE(Find<QCheckBox>(dialog, "deletePhotosBox")->isChecked());
    SaveScreenshot(dialog, "CConfirmDeleteBlogDlg");
    Find<QCheckBox>(dialog, "deletePhotosBox")->setChecked(true);
    Click(dialog, "Yes");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
    EXPECT_TRUE(workflow.GetDeletePhotos());
}
