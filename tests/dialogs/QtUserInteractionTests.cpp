#include "QtTestEnvironment.h"

#include "dialogs/CNewVersionDlg.h"
#include "dialogs/QtUserInteraction.h"
#include "ui/CProgressWnd.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QApplication>
#include <QPushButton>
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
    QtUserInteraction interaction;
    int prompts = 0;
    QString shownWarning;
    std::function<void(QWidget*)> answer = [&](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            shownWarning = box->text();
            WhenModalOpens(answer);
            ClickButton(modal, "OK");
            return;
        }
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->labelText().contains("secret-trips"));
        EXPECT_EQ(dialog->textEchoMode(), QLineEdit::Password);
        bool empty = ++prompts == 1;
        dialog->setTextValue(empty ? "" : "open sesame");
        // An empty password brings a warning, then the prompt again.
        if (empty)
            WhenModalOpens(answer);
        dialog->accept();
    };
    WhenModalOpens(answer);
    EXPECT_EQ(interaction.AskViewPassword("secret-trips"), std::optional<std::string>("open sesame"));
    EXPECT_EQ(prompts, 2);
    EXPECT_EQ(shownWarning, "You need to enter a password.");

    WhenModalOpens([&](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    EXPECT_EQ(interaction.AskViewPassword("secret-trips"), std::nullopt);
}
