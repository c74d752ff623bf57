// The home screen's Sync over the real web service, as a person runs it:
// the reference service on a loopback port holds a blog of six photos; a
// device that has only the account's login syncs, cancels midway, and
// syncs again to the end.

#include "../server/ServerTestKit.h"
#include "RecordingSurface.h"
#include "ScriptedDialogHost.h"
#include "support/SandboxDevice.h"
#include "support/ScriptedService.h"

#include "app/Preferences.h"
#include "app/StartUp.h"
#include "model/CWinBlogUser.h"
#include "model/HeadlessBlogPrompts.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "workflows/CommandIds.h"
#include "workflows/MainViewController.h"
#include "workflows/ServiceNetworkOperations.h"

#include <gtest/gtest.h>

namespace {

constexpr int kPhotos = 6;
constexpr const char* kSyncCancelled = "Sync Cancelled.";

// The person at the screen: presses the progress window's Cancel once a
// status line has said `step` for the `times`-th time, and otherwise
// answers as the headless interaction does.
class CancelAtStep final : public HeadlessUserInteraction {
public:
    void PressCancelAt(std::string step, int times)
    {
        m_step = std::move(step);
        m_remaining = times;
    }
    void LeaveCancelAlone() { m_step.clear(); }

    std::unique_ptr<ProgressWindow> OpenProgressWindow(int lines, bool showNow) override
    {
        return std::make_unique<Window>(*this, HeadlessUserInteraction::OpenProgressWindow(lines, showNow));
    }

private:
    class Window final : public ProgressWindow {
    public:
        Window(CancelAtStep& owner, std::unique_ptr<ProgressWindow> shown)
            : m_owner(owner)
            , m_shown(std::move(shown))
        {
        }
        void Show() override { m_shown->Show(); }
        void SetLine(int index, std::string_view text) override
        {
            m_shown->SetLine(index, text);
            if (!m_owner.m_step.empty() && text.find(m_owner.m_step) != std::string_view::npos && m_owner.m_remaining > 0)
                m_pressed = --m_owner.m_remaining == 0;
        }
        void ClearStatus() override { m_shown->ClearStatus(); }
        void Step() override { m_shown->Step(); }
        bool IsCancelled() override { return m_pressed || m_shown->IsCancelled(); }

    private:
        CancelAtStep& m_owner;
        std::unique_ptr<ProgressWindow> m_shown;
        bool m_pressed { false };
    };

    std::string m_step;
    int m_remaining { 0 };
};

class ServiceSyncCommandTest : public testing::Test {
protected:
    void SetUp() override
    {
        TestAccount owner = service.AddUser("owner@example.com", "harbour lights");
        Device web(service, owner);
        web.CreateBlog("harbour", "Harbour");
        for (int i = 0; i < kPhotos; ++i)
            web.AddEntry("harbour", "Photo " + std::to_string(i), SmallJpeg(64, 48, static_cast<unsigned>(i + 1)));

        ASSERT_TRUE(CreatePreferenceKeyChain());
        ASSERT_TRUE(WriteServiceHost(Utf8ToUtf16(service.Host())));
        // The daily message check is not the subject here.
        ASSERT_TRUE(WriteLastMessageCheck(GetCurrentSeconds()));
        CWinBlogUser login;
        login.SetEmail(owner.email);
        login.SetPassword(owner.password);
        ASSERT_EQ(login.Save(), Error::Success);
        UserInteraction::Use(&interaction);
        BlogPrompts::Use(&prompts);
        // Yes to downloading the blogs the account refresh subscribes to.
        interaction.SetFallbackAnswer(true);
    }
    void TearDown() override
    {
        BlogPrompts::Use(nullptr);
        UserInteraction::Use(nullptr);
    }

    void Start()
    {
        view.reset();
        user = std::make_unique<CWinBlogUser>();
        view = std::make_unique<MainViewController>(*user, dialogs, surface);
        view->SetNetworkOperations(&network);
        view->Init();
    }

    size_t MessagesSaying(const std::string& text)
    {
        size_t count = 0;
        for (const auto& shown : interaction.ShownMessages())
            count += shown.text == text;
        return count;
    }

    // Entries of the device's only blog whose photo file is on the device.
    int EntriesWithPhotos()
    {
        int count = 0;
        CWinBlogStorage& blog = *user->GetBlogList().GetAt(0);
        for (size_t i = 0; i < blog.GetEntries().GetSize(); ++i)
            count += !blog.GetEntries().GetAt(i)->GetPhotoPath().empty() && IsRegularFile(blog.GetEntries().GetAt(i)->GetPhotoPath());
        return count;
    }

    ServiceUnderTest service;
    SandboxDevice device;
    CancelAtStep interaction;
    HeadlessBlogPrompts prompts;
    ScriptedDialogHost dialogs;
    RecordingSurface surface;
    ServiceNetworkOperations network;
    std::unique_ptr<CWinBlogUser> user;
    std::unique_ptr<MainViewController> view;
};

}

TEST_F(ServiceSyncCommandTest, ASyncCancelledMidwayCompletesWhenRunAgain)
{
    Start();
    ASSERT_EQ(user->GetBlogList().GetSize(), 0u);

    // Cancel is pressed while the blog's photos come down.
    interaction.PressCancelAt("Getting Entry", 3);
    view->RunCommand(Command::SyncAllBlogs);
    EXPECT_EQ(MessagesSaying(kSyncCancelled), 1u);
    ASSERT_EQ(user->GetBlogList().GetSize(), 1u) << "the account refresh ran before the cancel";
    EXPECT_LT(EntriesWithPhotos(), kPhotos) << "the cancel came before the last photo";

    interaction.LeaveCancelAlone();
    view->RunCommand(Command::SyncAllBlogs);
    EXPECT_EQ(MessagesSaying(kSyncCancelled), 1u) << "the second sync ran to the end";
    EXPECT_EQ(surface.itemCount, 1u) << "the home list shows the blog";

    // What the device keeps after a restart: the whole blog with its photos.
    Start();
    ASSERT_EQ(user->GetBlogList().GetSize(), 1u);
    EXPECT_EQ(user->GetBlogList().GetAt(0)->GetEntries().GetSize(), size_t(kPhotos));
    EXPECT_EQ(EntriesWithPhotos(), kPhotos);
}
