#pragma once

#include "../server/ServerTestKit.h"
#include "ScriptedDialogHost.h"
#include "ScriptedNetwork.h"
#include "support/SandboxDevice.h"

#include "app/Preferences.h"
#include "app/StartUp.h"
#include "model/CWinBlogUser.h"
#include "platform/CodePage.h"
#include "platform/DeviceFolders.h"
#include "platform/FileSystem.h"
#include "transport/CurlHttp.h"
#include "workflows/NetworkServices.h"
#include "workflows/ServiceAccountOperations.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// A sandboxed device whose "Service Host" is a reference service on a
// loopback port: the account dialogs' workflows run against it with the
// real account operations, the sync's operations scripted, and the user's
// answers scripted.
class AccountServiceBench : public ::testing::Test {
protected:
    static constexpr const char* kEmail = "zoe@example.com";
    static constexpr const char* kPassword = "s3cret";

    AccountServiceBench()
    {
        EXPECT_TRUE(CreatePreferenceKeyChain());
        EXPECT_TRUE(WriteServiceHost(Utf8ToUtf16(reference.Host())));
        EXPECT_EQ(CreateFolderWithParents(DeviceFolders::Current().DataFolder()), Error::Success);
        user = std::make_unique<CWinBlogUser>(DeviceFolders::Current().DataFolder());
    }

    NetworkServices Services() { return { &network, &accounts }; }
    HeadlessUserInteraction& Interaction() { return device.Interaction(); }
    std::vector<std::string> Shown()
    {
        std::vector<std::string> texts;
        for (const auto& shown : device.Interaction().ShownMessages())
            texts.push_back(shown.text);
        return texts;
    }
    size_t ProgressWindowsOpened() { return device.Interaction().ProgressWindows().size(); }
    bool UserFileExists() const { return PathExists(user->GetFilePath()); }
    // Logs the device's user in to an account of the service.
    void LogIn(const std::string& email = kEmail, const std::string& password = kPassword)
    {
        reference.AddUser(email, password);
        user->SetEmail(email);
        user->SetPassword(password);
    }

    SandboxDevice device;
    ServiceUnderTest reference;
    CurlHttp http;
    ServiceAccountOperations accounts { http };
    ScriptedNetwork network;
    ScriptedDialogHost dialogs;
    std::unique_ptr<CWinBlogUser> user;
};
