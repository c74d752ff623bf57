// The service's one-shot operations against the reference service: account
// and blog creation with their refusals, the list of recommended blogs, and
// photo e-mails and remote posts, which the reference service keeps in its
// outbox.

#include "../server/ServerTestKit.h"
#include "ProgressRecorder.h"
#include "ServiceTestBench.h"
#include "app/ErrorTable.h"
#include "model/CWinBlogChannels.h"
#include "platform/CodePage.h"
#include "service/QuillberryBlogService.h"
#include "service/UserInfoReply.h"
#include "support/SandboxDevice.h"
#include "support/TemporaryFolder.h"
#include "transport/CurlHttp.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

constexpr const char* kEmail = "owner@example.com";
constexpr const char* kPassword = "s3cret & <sure>";

class ReferenceExtras : public ::testing::Test {
protected:
    ReferenceExtras()
    {
        PrepareDevice(reference.Host());
        EXPECT_TRUE(http.Open(1));
    }

    // The id the service gives the account ("GU"); 0 when it refuses.
    std::uint32_t UserIdOf(const std::string& email, const std::string& password)
    {
        service.SetAccount(email, password, 0, "", "");
        ServiceReply reply = service.RequestUserInfo(nullptr, nullptr);
        if (!reply.IsSuccess())
            return 0;
        auto account = ReadUserInfoReply(*reply.Body());
        return account.IsError() ? 0 : account->userId;
    }

    ErrorCode CreateBlog(const std::string& name, bool visible = true, const std::string& email = kEmail)
    {
        return service.CreateBlog(email, kPassword, name, name + " & title", "", visible, alternates, 256, nullptr, nullptr);
    }

    std::vector<std::string> ChannelNames()
    {
        CWinBlogChannels channels;
        EXPECT_EQ(service.GetChannelList(channels, nullptr, nullptr), Error::Success);
        std::vector<std::string> names;
        for (const auto& channel : channels)
            names.push_back(Utf16ToUtf8(channel->GetUrlName()));
        return names;
    }

    std::string Outbox()
    {
        std::string listing;
        EXPECT_EQ(reference.Admin({ "list-outbox" }, &listing), 0);
        return listing;
    }

    std::vector<std::string> Shown() { return ShownTexts(device.Interaction()); }

    SandboxDevice device;
    ServiceUnderTest reference;
    CurlHttp http;
    QuillberryBlogService service { http };
    BlogUrlAlternates alternates;
};

}

TEST_F(ReferenceExtras, AnAccountIsMadeOncePerAddress)
{
    ASSERT_EQ(service.CreateAccount(kEmail, kPassword, "Zoë", "O'Brien", nullptr, nullptr), Error::Success);
    EXPECT_NE(UserIdOf(kEmail, kPassword), 0u) << "the new account logs in";

    EXPECT_EQ(service.CreateAccount("Owner@Example.com", "other", "", "", nullptr, nullptr), Error::EmailAlreadyUsed);
    EXPECT_TRUE(Shown().empty());
    EXPECT_NE(UserIdOf(kEmail, kPassword), 0u) << "the account keeps its password";

    EXPECT_EQ(service.CreateAccount("not an address", "pw", "", "", nullptr, nullptr), Error::CreationRefused);
    EXPECT_EQ(service.CreateAccount("second@example.com", "", "", "", nullptr, nullptr), Error::CreationRefused);
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_TRUE(Shown()[0].starts_with("Error: Please enter a valid e-mail address")) << Shown()[0];
    EXPECT_EQ(Shown()[1], "Error: Please enter a password");
}

TEST_F(ReferenceExtras, ATakenBlogNameComesWithFreeSuggestions)
{
    reference.AddUser(kEmail, kPassword);
    reference.AddUser("other@example.com", kPassword);
    ASSERT_EQ(CreateBlog("beach"), Error::Success);

    alternates = { "stale", "stale", "stale", "stale" };
    ASSERT_EQ(CreateBlog("Beach", true, "other@example.com"), Error::BlogUrlAlreadyUsed);
    EXPECT_TRUE(Shown().empty());
    ASSERT_FALSE(alternates[0].empty());
    for (const std::string& alternate : alternates) {
        EXPECT_NE(alternate, "stale");
        EXPECT_NE(alternate, "beach");
    }
    // The first suggestion is free indeed.
    std::string suggestion = alternates[0];
    EXPECT_EQ(CreateBlog(suggestion, true, "other@example.com"), Error::Success);

    std::string blogs;
    ASSERT_EQ(reference.Admin({ "list-blogs" }, &blogs), 0);
    EXPECT_NE(blogs.find(suggestion), std::string::npos) << blogs;

    EXPECT_EQ(CreateBlog("no spaces allowed"), Error::CreationRefused);
    EXPECT_EQ(service.CreateBlog(kEmail, "wrong", "mine", "", "", true, alternates, 256, nullptr, nullptr), Error::CreationRefused);
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_TRUE(Shown()[0].starts_with("Error: A Blog URL can only contain")) << Shown()[0];
    EXPECT_EQ(Shown()[1], "Error: Invalid Authentication") << "shown as the server wrote it";
}

TEST_F(ReferenceExtras, TheChannelsAreThePublicBlogsOrTheOperatorsList)
{
    reference.AddUser(kEmail, kPassword);
    ASSERT_EQ(CreateBlog("zebra"), Error::Success);
    ASSERT_EQ(CreateBlog("apple"), Error::Success);
    ASSERT_EQ(CreateBlog("secret", false), Error::Success);
    std::vector<std::string> names = ChannelNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string> { "apple", "zebra" })) << "hidden blogs are not recommended";

    TemporaryFolder folder;
    std::string list = folder.File("channels.txt");
    WriteTextFile(list, "  zebra  Stripes & more\n\napple\n");
    ASSERT_EQ(reference.Admin({ "set-channels", list }), 0);
    CWinBlogChannels channels;
    ASSERT_EQ(service.GetChannelList(channels, nullptr, nullptr), Error::Success);
    ASSERT_EQ(channels.GetCount(), 2u);
    EXPECT_EQ(Utf16ToUtf8(channels.GetAt(0).GetDisplayLine()), "  zebra  Stripes & more");
    EXPECT_EQ(Utf16ToUtf8(channels.GetAt(0).GetUrlName()), "zebra");
    EXPECT_EQ(Utf16ToUtf8(channels.GetAt(1).GetUrlName()), "apple");
}

TEST_F(ReferenceExtras, PhotoEmailsAndRemotePostsReachTheOutbox)
{
    reference.AddUser(kEmail, kPassword);
    ASSERT_EQ(reference.Admin({ "add-remote-blog", kEmail, "My <other> blog" }), 0);
    ASSERT_EQ(CreateBlog("myblog"), Error::Success);
    std::uint32_t userId = UserIdOf(kEmail, kPassword);
    ASSERT_NE(userId, 0u);
    Device other(reference, TestAccount { kEmail, kPassword });
    std::uint32_t category = other.AddCategory("myblog", "Beach");
    std::uint32_t entry = other.AddEntry("myblog", "Sunset", TestJpeg(64, 48), category);

    service.SetAccount(kEmail, kPassword, userId, "myblog", "");
    ProgressRecorder steps;
    EXPECT_EQ(service.SendPhotoEmail(category, entry, "a@example.com, b@example.com", "Look & see", steps.Callback, &steps), Error::Success);
    EXPECT_EQ(service.SendPhotoEmail(category, 0, "c@example.com", "", nullptr, nullptr), Error::Success) << "the whole category";
    EXPECT_EQ(service.PostToRemoteBlog(category, entry, "My <other> blog", "Title", "Caption", steps.Callback, &steps), Error::Success);
    EXPECT_EQ(steps.Steps(), (std::vector<ProgressStep> { ProgressStep::SendingEmail, ProgressStep::SendingBlogPost }));
    EXPECT_TRUE(Shown().empty());

    std::string outbox = Outbox();
    std::string expectedEntry = " entry=" + std::to_string(entry);
    EXPECT_NE(outbox.find("email user=" + std::to_string(userId)), std::string::npos) << outbox;
    EXPECT_NE(outbox.find(expectedEntry + " to=a@example.com,b@example.com message=Look & see"), std::string::npos) << outbox;
    EXPECT_NE(outbox.find(" entry=0 to=c@example.com"), std::string::npos) << outbox;
    EXPECT_NE(outbox.find(expectedEntry + " remote-blog=My <other> blog title=Title"), std::string::npos) << outbox;
}

TEST_F(ReferenceExtras, RefusedMailAndPostsAreShownOnceAndKeptOutOfTheOutbox)
{
    reference.AddUser(kEmail, kPassword);
    ASSERT_EQ(CreateBlog("myblog"), Error::Success);
    std::uint32_t userId = UserIdOf(kEmail, kPassword);

    // An account the device never synced: nothing goes out.
    service.SetAccount(kEmail, kPassword, 0, "myblog", "");
    EXPECT_EQ(service.SendPhotoEmail(0, 0, "a@example.com", "", nullptr, nullptr), Error::AlreadyReported);
    EXPECT_EQ(service.PostToRemoteBlog(0, 0, "nowhere", "", "", nullptr, nullptr), Error::AlreadyReported);
    // The service's own refusals: a blog the user cannot post to, an entry
    // that is gone.
    service.SetAccount(kEmail, kPassword, userId, "myblog", "");
    EXPECT_EQ(service.PostToRemoteBlog(0, 0, "nowhere", "", "", nullptr, nullptr), Error::AlreadyReported);
    EXPECT_EQ(service.SendPhotoEmail(0, 424242, "a@example.com", "", nullptr, nullptr), Error::AlreadyReported);
    EXPECT_EQ(Shown(),
        (std::vector<std::string> { ErrorText(8001), ErrorText(8001), ErrorText(8025),
            "Error: This picture is deleted or doesn't exist." }));
    EXPECT_EQ(Outbox(), "");
}
