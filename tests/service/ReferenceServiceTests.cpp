// The client's requests sent to the reference service (written apart from
// the client, from the same description of the protocol), and its answers
// merged into two devices' stores: what one device publishes, the other
// gets.

#include "../server/ServerTestKit.h"
#include "ServiceTestBench.h"
#include "app/Preferences.h"
#include "app/StartUp.h"
#include "model/CWinBlogStorage.h"
#include "platform/CodePage.h"
#include "platform/DeviceFolders.h"
#include "platform/FileSystem.h"
#include "service/QuillberryBlogService.h"
#include "service/ServerErrorText.h"
#include "service/UserInfoReply.h"
#include "support/JpegTestKit.h"
#include "support/SandboxDevice.h"
#include "transport/CurlHttp.h"
#include "transport/ReadOnlyMemoryStream.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

constexpr const char* kEmail = "me@example.com";
constexpr const char* kPassword = "s3cret & <sure>";

class ReferenceService : public ::testing::Test {
protected:
    ReferenceService()
    {
        PrepareDevice(reference.Host());
        reference.AddUser(kEmail, kPassword);
        EXPECT_TRUE(http.Open(1));
    }

    // The body of a successful reply; fails the test otherwise.
    Stream& BodyOf(const ServiceReply& reply)
    {
        EXPECT_TRUE(reply.IsSuccess()) << reply.Code() << " " << service.GetServerErrorText();
        Stream* body = reply.Body();
        EXPECT_TRUE(body);
        static ReadOnlyMemoryStream none(std::string_view {});
        return body ? *body : none;
    }

    // A device's store of the blog, with the service working on it.
    std::unique_ptr<CWinBlogStorage> OpenBlog(const std::string& name, std::uint32_t userId)
    {
        auto store = std::make_unique<CWinBlogStorage>(DeviceFolders::Current().DataFolder(), name);
        store->SetUserId(userId);
        service.SetStore(store.get());
        service.SetAccount(kEmail, kPassword, userId, "myblog", "");
        return store;
    }

    ErrorCode FetchChanges(ProgramTime since)
    {
        service.SetTimestamp(since);
        ServiceReply reply = service.RequestChanges(nullptr, nullptr);
        if (!reply.IsSuccess())
            return reply.Code();
        return service.ProcessChanges(*reply.Body(), nullptr, nullptr);
    }

    SandboxDevice device;
    ServiceUnderTest reference;
    CurlHttp http;
    QuillberryBlogService service { http };
};

}

TEST_F(ReferenceService, WhatOneDevicePublishesTheOtherGets)
{
    service.SetAccount(kEmail, kPassword, 0, "", "");
    ServiceReply created = service.RequestBlogCreation(kEmail, kPassword, "myblog", "My & Blog", "Sub", true, nullptr, nullptr);
    EXPECT_FALSE(ReadServerErrorText(BodyOf(created))) << "the blog is made";

    auto account = ReadUserInfoReply(BodyOf(service.RequestUserInfo(nullptr, nullptr)));
    ASSERT_FALSE(account.IsError());
    ASSERT_NE(account->userId, 0u);
    EXPECT_EQ(account->subscriptionUrlNames, (std::vector<std::string> { "myblog" }));
    std::uint32_t userId = account->userId;

    // The first device: a full refresh, then a category, an entry with its
    // photo and a comment of its own.
    auto first = OpenBlog("myblog", userId);
    ASSERT_EQ(FetchChanges(0), Error::Success);
    EXPECT_EQ(first->GetBlogInfo().GetTitle(), "My & Blog");
    EXPECT_TRUE(first->GetBlogInfo().CanAddPhotos());
    EXPECT_EQ(first->GetBlogInfo().GetOwnerId(), userId);

    BlogAlbum& category = first->InsertCategory(first->NewCategory());
    category.SetId(*first->NextLocalCategoryId());
    category.SetName("Beach & <sea>");
    ServiceReply categoryReply = service.SendCategory(category, nullptr, nullptr);
    service.ApplyCategoryReply(category, BodyOf(categoryReply));
    ASSERT_TRUE(category.HasServiceId());

    std::string photoPath = device.Path("sunset.jpg");
    auto jpeg = EncodeJpeg(MakePhotoLikePicture(320, 240, 3), {});
    std::ofstream(photoPath, std::ios::binary).write(reinterpret_cast<const char*>(jpeg.data()), static_cast<std::streamsize>(jpeg.size()));
    auto made = first->NewEntryFromPhotoFile(photoPath);
    ASSERT_FALSE(made.IsError());
    BlogEntry& entry = **made;
    entry.SetCategoryId(category.GetId());
    entry.SetTitle("Sunset \"über\" the bay");
    entry.SetCaption("Line one\nline two & three");
    ServiceReply entryReply = service.SendEntry(entry, nullptr, nullptr);
    ASSERT_EQ(service.ApplyEntryReply(entry, BodyOf(entryReply), false), Error::Success);
    ASSERT_NE(entry.GetServerId(), 0u);
    EXPECT_FALSE(entry.IsPending());
    EXPECT_FALSE(entry.GetSourceUrl().empty());

    BlogComment& comment = first->InsertComment(first->NewComment());
    comment.SetEntryId(entry.GetServerId());
    comment.SetText("First! <3");
    comment.SetDate(GetCurrentSeconds());
    comment.SetPending(true);
    ServiceReply commentReply = service.SendComment(comment, nullptr, nullptr);
    ASSERT_EQ(service.ApplyCommentReply(comment, BodyOf(commentReply)), Error::Success);
    ASSERT_NE(comment.GetCommentId(), 0u);

    // The second device gets all of it.
    auto second = OpenBlog("myblog-second", userId);
    ASSERT_EQ(FetchChanges(0), Error::Success);
    ProgramTime stamp = service.GetTimestamp();
    EXPECT_NE(stamp, 0u);
    BlogAlbum* gotCategory = second->FindCategoryById(category.GetId());
    ASSERT_TRUE(gotCategory);
    EXPECT_EQ(gotCategory->GetName(), "Beach & <sea>");
    BlogEntry* gotEntry = second->FindEntryByServerId(entry.GetServerId());
    ASSERT_TRUE(gotEntry);
    EXPECT_EQ(gotEntry->GetTitle(), entry.GetTitle());
    EXPECT_EQ(gotEntry->GetCaption(), entry.GetCaption());
    EXPECT_EQ(gotEntry->GetCategoryId(), category.GetId());
    EXPECT_EQ(gotEntry->GetPostDate(), entry.GetPostDate());
    EXPECT_EQ(gotEntry->GetSourceUrl(), entry.GetSourceUrl());
    EXPECT_FALSE(gotEntry->GetPhotoUrl().empty());
    EXPECT_FALSE(gotEntry->GetThumbnailUrl().empty());
    BlogComment* gotComment = second->FindCommentById(comment.GetCommentId());
    ASSERT_TRUE(gotComment);
    EXPECT_EQ(gotComment->GetText(), "First! <3");
    EXPECT_EQ(gotComment->GetEntryId(), entry.GetServerId());

    // The first device edits the entry and deletes the comment; the second
    // sees both in its next incremental changes.
    service.SetStore(first.get());
    entry.SetTitle("Sunset, edited");
    entry.SetPending(true);
    ServiceReply edited = service.SendEntry(entry, nullptr, nullptr);
    ASSERT_EQ(service.ApplyEntryReply(entry, BodyOf(edited), false), Error::Success);
    EXPECT_TRUE(service.SendCommentDeletion(comment, nullptr, nullptr).IsSuccess());

    service.SetStore(second.get());
    ASSERT_EQ(FetchChanges(stamp), Error::Success);
    ASSERT_TRUE(second->FindEntryByServerId(entry.GetServerId()));
    EXPECT_EQ(second->FindEntryByServerId(entry.GetServerId())->GetTitle(), "Sunset, edited");
    EXPECT_FALSE(second->FindCommentById(comment.GetCommentId())) << "the deletion came down";

    // Deleting the entry and the category on the web removes them here too.
    service.SetStore(first.get());
    EXPECT_TRUE(service.SendEntryDeletion(entry, nullptr, nullptr).IsSuccess());
    EXPECT_TRUE(service.SendCategoryDeletion(category, nullptr, nullptr).IsSuccess());
    service.SetStore(second.get());
    ASSERT_EQ(FetchChanges(service.GetTimestamp()), Error::Success);
    EXPECT_FALSE(second->FindEntryByServerId(entry.GetServerId()));
    EXPECT_FALSE(second->FindCategoryById(category.GetId()));
    EXPECT_TRUE(device.Interaction().ShownMessages().empty());
}

TEST_F(ReferenceService, ItsRefusalsAreTheClientsCodes)
{
    service.SetAccount(kEmail, "wrong password", 0, "", "");
    EXPECT_EQ(service.RequestUserInfo(nullptr, nullptr).Code(), 10201u);
    ASSERT_EQ(device.Interaction().ShownMessages().size(), 1u);
    EXPECT_EQ(service.GetServerErrorText(), "Error: Invalid Authentication");

    service.SetAccount(kEmail, kPassword, 0, "", "");
    ASSERT_TRUE(service.RequestBlogCreation(kEmail, kPassword, "taken", "", "", true, nullptr, nullptr).IsSuccess());
    ServiceReply again = service.RequestBlogCreation(kEmail, kPassword, "taken", "", "", true, nullptr, nullptr);
    ASSERT_TRUE(again.IsSuccess()) << "sent without the error check";
    Stream& body = *again.Body();
    EXPECT_EQ(ReadServerErrorText(body), "Error: BlogURL already used");
    BlogUrlAlternates alternates = ReadBlogUrlAlternates(body, 256);
    EXPECT_FALSE(alternates[0].empty());
}
