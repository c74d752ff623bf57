// The desktop program's first start on an empty device, through its real
// dialogs, against the reference service: welcome, a new account, its first
// blog, and the home list showing that blog.

#include "DialogTestKit.h"
#include "../server/ServerTestKit.h"

#include "support/SandboxDevice.h"

#include "app/Preferences.h"
#include "app/ScreenScale.h"
#include "app/ScreenSize.h"
#include "app/StartUp.h"
#include "dialogs/CHandheldDialog.h"
#include "dialogs/LimitedLineEdit.h"
#include "dialogs/QtDialogHost.h"
#include "model/CWinBlogUser.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "transport/CurlHttp.h"
#include "ui/CChildView.h"
#include "ui/CMainFrame.h"
#include "ui/DeviceScreen.h"
#include "workflows/MainViewController.h"
#include "workflows/ServiceAccountOperations.h"
#include "workflows/ServiceNetworkOperations.h"

#include <QApplication>
#include <QTimer>
#include <deque>
#include <gtest/gtest.h>

namespace {

using Answer = std::function<void(CHandheldDialog&)>;

// Answers the program's dialogs in the order they come, each through its
// widgets; a dialog beyond the script is cancelled, so a run always ends.
class DialogScript {
public:
    explicit DialogScript(std::deque<Answer> answers)
        : m_answers(std::move(answers))
    {
        // The timer goes with the script, so that no poll outlives it.
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start(10);
    }

    std::vector<QString> opened;

private:
    void Poll()
    {
        auto* dialog = qobject_cast<CHandheldDialog*>(QApplication::activeModalWidget());
        if (dialog && dialog != m_last && dialog->isVisible()) {
            m_last = dialog;
            opened.push_back(dialog->windowTitle());
            if (m_answers.empty()) {
                dialog->reject();
            } else {
                Answer answer = std::move(m_answers.front());
                m_answers.pop_front();
                answer(*dialog);
            }
        }
    }

    std::deque<Answer> m_answers;
    QPointer<CHandheldDialog> m_last;
    QTimer m_timer;
};

void Type(QWidget& dialog, const char* field, const QString& text)
{
    auto* edit = dialog.findChild<LimitedLineEdit*>(field);
    ASSERT_NE(edit, nullptr) << field;
    ASSERT_TRUE(edit->isVisibleTo(&dialog)) << field;
    edit->SetText(text);
}

}

TEST(FirstStart, WelcomeToANewAccountAndItsFirstBlogInTheHomeList)
{
    SandboxDevice device;
    ServiceUnderTest reference;
    ASSERT_TRUE(CreatePreferenceKeyChain());
    ASSERT_TRUE(WriteServiceHost(Utf8ToUtf16(reference.Host())));
    ScreenScale::Set(ScreenScale::FromDotsPerInch(96, 96));
    ScreenSize::Set({ 240, 320 });

    CurlHttp http;
    ServiceAccountOperations accounts(http);
    QtDialogHost host;
    auto user = std::make_unique<CWinBlogUser>();
    auto screen = std::make_unique<DeviceScreen>(*user, host);
    host.SetParent(screen.get());
    MainViewController& controller = screen->GetFrame().GetView().GetController();
    controller.SetAccountOperations(&accounts);
    ServiceNetworkOperations network;
    controller.SetNetworkOperations(&network);

    DialogScript script({
        [](CHandheldDialog& welcome) { Click(welcome, "Next"); },
        [](CHandheldDialog& wizard) {
            Type(wizard, "emailField", "first@example.com");
            Type(wizard, "passwordField", "start-1");
            Click(wizard, "Next");
            Type(wizard, "firstNameField", "Ada");
            Type(wizard, "lastNameField", "Lovelace");
            Click(wizard, "Next"); // the account is made here
            Type(wizard, "urlField", "adas_pictures");
            Click(wizard, "Next"); // and the blog here
        },
    });
    screen->GetFrame().GetView().Init();
    screen->show();

    EXPECT_EQ(script.opened, (std::vector<QString> { "Welcome to Vellumbrix", "Create New Account" }));
    EXPECT_TRUE(device.Interaction().ShownMessages().empty()) << device.Interaction().ShownMessages()[0].text;
    EXPECT_EQ(user->GetEmail(), "first@example.com");
    EXPECT_NE(user->GetUserId(), 0u) << "the account was refreshed from the service";
    ASSERT_EQ(user->GetBlogList().GetSize(), 1u) << "no sample blog beside the user's own";
    CWinBlogStorage* blog = user->GetBlogList().GetAt(0);
    EXPECT_EQ(blog->GetBlogInfo().GetUrlName(), "adas_pictures");
    EXPECT_EQ(blog->GetBlogInfo().GetTitleText(), u"Ada's PhotoBlog");
    EXPECT_EQ(controller.GetMode(), ViewMode::Home);
    EXPECT_EQ(controller.GetItemCount(), 1u);
    QApplication::processEvents();
    EXPECT_TRUE(screen->grab().save(ScreenshotFolder() + "/FirstStart-home.png"));

    // The next start finds the account and the blog on the device.
    CWinBlogUser again;
    again.Load();
    EXPECT_EQ(again.GetEmail(), "first@example.com");
    ASSERT_EQ(again.GetBlogList().GetSize(), 1u);
    EXPECT_EQ(again.GetBlogList().GetAt(0)->GetBlogInfo().GetUrlName(), "adas_pictures");
    std::string listing;
    ASSERT_EQ(reference.Admin({ "list-blogs" }, &listing), 0);
    EXPECT_NE(listing.find("adas_pictures"), std::string::npos);

    screen.reset();
    ScreenScale::Set({});
    ScreenSize::Set({});
}
