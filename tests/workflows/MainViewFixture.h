#pragma once

#include "RecordingSurface.h"
#include "ScriptedDialogHost.h"
#include "ScriptedNetwork.h"
#include "support/BlogFixtures.h"
#include "support/SandboxDevice.h"

#include "app/Preferences.h"
#include "app/StartUp.h"
#include "transport/CurlHttp.h"
#include "workflows/MainViewController.h"
#include "workflows/ServiceAccountOperations.h"

#include <gtest/gtest.h>
#include <memory>

// A sandboxed device with an account and three blogs, and the main view's
// controller over it, started as the program starts it. The blogs, in list
// order (by title): "Family" (a group blog of another owner, with entries
// of two posters), "Sample Trips" (the user's, no entries) and "Trips" (the
// user's: four entries, newest first, two of them pending, one new, in two
// categories).
class MainViewTest : public testing::Test {
protected:
    static constexpr std::uint32_t kUserId = 7;
    static constexpr std::uint32_t kOtherUserId = 9;
    static constexpr size_t kFamily = 0;
    static constexpr size_t kEmpty = 1;
    static constexpr size_t kTrips = 2;

    void SetUp() override
    {
        ASSERT_TRUE(CreatePreferenceKeyChain());
        CWinBlogUser setup;
        ASSERT_TRUE(SaveAccount(setup, kUserId));

        CWinBlogStorage& family = AddBlog(setup, { "family", "Family", "All of us", true, false, kOtherUserId });
        AddEntry(family, { .title = "Mine", .postDate = 300, .serverId = 31, .posterId = kUserId });
        AddEntry(family, { .title = "Theirs", .author = "Bob", .postDate = 200, .serverId = 32, .posterId = kOtherUserId });
        ASSERT_EQ(family.Save(), Error::Success);

        AddBlog(setup, { "empty", "Sample Trips", "", false, false, kUserId });

        CWinBlogStorage& trips = AddBlog(setup, { "trips", "Trips", "Where we went", false, false, kUserId });
        AddCategory(trips, 501, "Beach");
        AddCategory(trips, 502, "Mountains");
        AddEntry(trips, { .title = "Pending one", .postDate = 400, .categoryId = 501, .pending = true });
        AddEntry(trips, { .title = "Dunes", .caption = "Windy", .postDate = 300, .serverId = 11, .posterId = kUserId, .categoryId = 501, .isNew = true });
        AddEntry(trips, { .title = "Pending two", .postDate = 200, .categoryId = 502, .pending = true });
        AddEntry(trips, { .title = "Peak", .postDate = 100, .serverId = 12, .posterId = kUserId, .categoryId = 502 });
        ASSERT_EQ(trips.Save(), Error::Success);
    }

    // Starts the view on the device as saved so far.
    void Start()
    {
        m_view.reset();
        m_user = std::make_unique<CWinBlogUser>();
        m_view = std::make_unique<MainViewController>(*m_user, dialogs, surface);
        m_view->SetNetworkOperations(network.get());
        // The account operations come with the service's, over the
        // "Service Host" of the device.
        m_view->SetAccountOperations(network ? &m_accounts : nullptr);
        m_view->Init();
    }

    MainViewController& View() { return *m_view; }
    CWinBlogUser& User() { return *m_user; }
    CWinBlogStorage& Blog(size_t index) { return *m_user->GetBlogList().GetAt(index); }
    HeadlessUserInteraction& Interaction() { return device.Interaction(); }
    // The texts of the messages shown so far.
    std::vector<std::string> Messages()
    {
        std::vector<std::string> texts;
        for (auto& shown : device.Interaction().ShownMessages())
            texts.push_back(shown.text);
        return texts;
    }

    SandboxDevice device;
    ScriptedDialogHost dialogs;
    RecordingSurface surface;
    // The service's operations; none leaves the network commands disabled.
    std::unique_ptr<ScriptedNetwork> network;

private:
    CurlHttp m_http;
    ServiceAccountOperations m_accounts { m_http };
    std::unique_ptr<CWinBlogUser> m_user;
    std::unique_ptr<MainViewController> m_view;
};
