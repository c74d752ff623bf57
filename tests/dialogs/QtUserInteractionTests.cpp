#include "QtTestEnvironment.h"

#include "dialogs/CBlogPrefsDlg.h"
#include "dialogs/CGetViewPasswordDlg.h"
#include "dialogs/CNewVersionDlg.h"
#include "dialogs/DialogHeading.h"
#include "dialogs/LimitedLineEdit.h"
#include "dialogs/QtUserInteraction.h"
#include "model/CWinBlogStorage.h"
#include "platform/DeviceFolders.h"
#include "ui/CProgressWnd.h"

#include "support/SandboxDevice.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

static void ClickButton(QWidget* dialog, const QString& text)
{
    for (auto* button : dialog->findChildren<QAbstractButton*>()) {
        if (button->text().remove('&') == text) {
            button->click();
            return;
        }
    }
    ADD_FAILURE() << "no button " << text.toStdString();
}

TEST(QtUserInteraction, QuestionsReturnTheButtonPressedAndHonourTheDefault)
{
    QtUserInteraction interaction;
    QString shownText;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    WhenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        shownText = box->text();
        defaultButton = box->standardButton(box->defaultButton());
        ClickButton(modal, "Yes");
    });
    EXPECT_TRUE(interaction.AskYesNo("Do you want to delete all the local photos for this blog?", MessageIcon::Question, DefaultButton::No));
    EXPECT_EQ(shownText, "Do you want to delete all the local photos for this blog?");
    EXPECT_EQ(defaultButton, QMessageBox::No);

    WhenModalOpens([&](QWidget* modal) { ClickButton(modal, "No"); });
    EXPECT_FALSE(interaction.AskYesNo("Subscribe?", MessageIcon::Question, DefaultButton::Yes));
}

TEST(QtUserInteraction, NewVersionNoticeReadsTheBoxOnlyForOk)
{
    QtUserInteraction interaction;
    QString versionLine;
    WhenModalOpens([&](QWidget* modal) {
        versionLine = modal->findChild<QLabel*>("versionLine")->text();
        modal->findChild<QCheckBox*>()->setChecked(true);
        ClickButton(modal, "OK");
    });
    NewVersionChoice ignored = interaction.ShowNewVersion("1.3");
    EXPECT_EQ(versionLine, "Vellumbrix 1.3");
    EXPECT_TRUE(ignored.ignoreThisVersion);
    EXPECT_FALSE(ignored.download);

    WhenModalOpens([&](QWidget* modal) {
        modal->findChild<QCheckBox*>()->setChecked(true);
        ClickButton(modal, "Download");
    });
    NewVersionChoice download = interaction.ShowNewVersion("1.3");
    EXPECT_TRUE(download.download);
    EXPECT_FALSE(download.ignoreThisVersion) << "Download does not read the check box";
}

TEST(QtUserInteraction, OpensTheProgressWindowOverTheMainWindow)
{
    QWidget mainWindow;
    mainWindow.resize(240, 320);
    QtUserInteraction interaction(&mainWindow);
    auto window = interaction.OpenProgressWindow(3, false);
    auto* progress = dynamic_cast<CProgressWnd*>(window.get());
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->parentWidget(), &mainWindow);
    EXPECT_FALSE(progress->isVisibleTo(&mainWindow)) << "network operations show it once connected";
    window->SetLine(0, "Trips");
    window->SetLine(7, "ignored: no such line");
    EXPECT_EQ(progress->GetLines(), (std::vector<std::string> { "Trips", "", "" }));
    window->Show();
    EXPECT_TRUE(progress->isVisibleTo(&mainWindow));
    EXPECT_FALSE(window->IsCancelled());
    progress->GetCancelButton()->click();
    EXPECT_TRUE(window->IsCancelled());
}

TEST(QtUserInteraction, ViewPasswordInsistsOnAPasswordAndCancelGivesNone)
{
    SandboxDevice device;
    QtUserInteraction interaction;
    QString shownBlog;
    WhenModalOpens([&](QWidget* modal) {
        ASSERT_NE(qobject_cast<CGetViewPasswordDlg*>(modal), nullptr);
        shownBlog = modal->findChild<DialogHeading*>()->Text();
        auto* field = modal->findChild<LimitedLineEdit*>("passwordField");
        ClickButton(modal, "OK"); // empty: string 179, and the prompt stays
        EXPECT_TRUE(modal->isVisible());
        field->SetText("open sesame");
        ClickButton(modal, "OK");
    });
    EXPECT_EQ(interaction.AskViewPassword("secret-trips"), std::optional<std::string>("open sesame"));
    EXPECT_EQ(shownBlog, "secret-trips");
    ASSERT_EQ(device.Interaction().ShownMessages().size(), 1u);
    EXPECT_EQ(device.Interaction().ShownMessages()[0].text, "You need to enter a password.");

    WhenModalOpens([&](QWidget* modal) { ClickButton(modal, "Cancel"); });
    EXPECT_EQ(interaction.AskViewPassword("secret-trips"), std::nullopt);
}

TEST(QtUserInteraction, BlogPreferencesAreTheRealSheetWithThePagesAskedFor)
{
    SandboxDevice device;
    CWinBlogStorage store(DeviceFolders::Current().DataFolder(), "trips");
    std::uint16_t sizeBefore = store.GetBlogInfo().GetDownloadSize();
    QtUserInteraction interaction;
    int pages = 0;
    WhenModalOpens([&](QWidget* modal) {
        ASSERT_NE(qobject_cast<CBlogPrefsDlg*>(modal), nullptr);
        pages = modal->findChild<QTabWidget*>("pages")->count();
        ClickButton(modal, "Cancel");
    });
    EXPECT_FALSE(interaction.ShowBlogPreferences(store, BlogPreferencesPages::SyncOnly));
    EXPECT_EQ(pages, 1) << "a blog being subscribed shows the sync page alone";
    EXPECT_EQ(store.GetBlogInfo().GetDownloadSize(), sizeBefore);

    WhenModalOpens([&](QWidget* modal) {
        pages = modal->findChild<QTabWidget*>("pages")->count();
        ClickButton(modal, "OK");
    });
    EXPECT_TRUE(interaction.ShowBlogPreferences(store, BlogPreferencesPages::BlogAndSync));
    EXPECT_EQ(pages, 2);
}
