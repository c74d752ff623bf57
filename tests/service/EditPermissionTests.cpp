// A change the service refuses for want of permission stays on the device,
// and the next changes request asks for the whole blog.

#include "ServiceTestBench.h"
#include "app/ErrorTable.h"
#include "service/ServerErrors.h"
#include "support/TemporaryFolder.h"

#include <functional>

namespace {

class EditPermission : public ServiceTest {
protected:
    EditPermission()
    {
        entry = MakeEntry(*store, 9001, "Edited", 100, true);
        newEntry = MakeEntry(*store, 0, "New", 100, true);
        WriteTextFile(device.Path("new.jpg"), "photo");
        newEntry->SetPhotoPath(device.Path("new.jpg"));
        category = MakeCategory(*store, 31, "Cats", true);
        comment = MakeComment(*store, 9001, 55, "Nice", 100, true);
        newComment = MakeComment(*store, 9001, 0, "New", 100, true);
        service.SetTimestamp(GetCurrentSeconds() - 60);
    }

    struct Case {
        std::string action;
        std::function<ServiceReply()> send;
        std::string refusal;
        ErrorCode editCode;
    };

    std::vector<Case> Cases()
    {
        return {
            { "AC", [&] { return service.SendCategory(*MakeCategory(*store, 4294967040u, "New", true), nullptr, nullptr); },
                "Error: You have not permission to add a category", 8012 },
            { "EC", [&] { return service.SendCategory(*category, nullptr, nullptr); }, "Error: You have not permission to edit a category", 8012 },
            { "DC", [&] { return service.SendCategoryDeletion(*category, nullptr, nullptr); },
                "Error: You have not permission to delete a category", 8012 },
            { "AP", [&] { return service.SendEntry(*newEntry, nullptr, nullptr); }, "Error: You have not permission to add a picture", 8011 },
            { "EP", [&] { return service.SendEntry(*entry, nullptr, nullptr); }, "Error: You have not permission to edit a picture", 8011 },
            { "DP", [&] { return service.SendEntryDeletion(*entry, nullptr, nullptr); }, "Error: You have not permission to delete a picture",
                8011 },
            { "AO", [&] { return service.SendComment(*newComment, nullptr, nullptr); }, "Error: You have not permission to post a comment", 8019 },
            { "EO", [&] { return service.SendComment(*comment, nullptr, nullptr); }, "Error: You have not permission to edit a comment", 8019 },
            { "DCO", [&] { return service.SendCommentDeletion(*comment, nullptr, nullptr); },
                "Error: You have not permission to delete a comment", 8019 },
        };
    }

    std::unique_ptr<BlogEntry> entry;
    std::unique_ptr<BlogEntry> newEntry;
    std::unique_ptr<BlogAlbum> category;
    std::unique_ptr<BlogComment> comment;
    std::unique_ptr<BlogComment> newComment;
};

}

TEST_F(EditPermission, TheServersRefusalIsTheActionsEditCodeAndResetsBothTimestamps)
{
    for (auto& test : Cases()) {
        SCOPED_TRACE(test.action);
        service.SetTimestamp(GetCurrentSeconds() - 60);
        Answer(ErrorReply(test.action, test.refusal));
        std::size_t shownBefore = device.Interaction().ShownMessages().size();
        ServiceReply refused = test.send();
        EXPECT_EQ(refused.Code(), test.editCode);
        EXPECT_TRUE(refused.IsServerError());
        EXPECT_EQ(service.GetSentTimestamp(), 0u);
        EXPECT_EQ(service.GetTimestamp(), 0u);
        auto shown = ShownTexts(device.Interaction());
        ASSERT_GT(shown.size(), shownBefore);
        EXPECT_EQ(shown.back(), ErrorText(*ServerErrorCodeForText(test.refusal)) + ".") << "shown with the code as it came";
        EXPECT_NE(Requests().back().head.find("/ws/" + test.action + "\""), std::string::npos);
    }
}

TEST_F(EditPermission, OtherServerErrorsAnswer10201AndKeepTheTimestamps)
{
    ProgramTime sent = service.GetSentTimestamp();
    Answer(ErrorReply("EP", "Error: Your Picture limit is over"));
    EXPECT_EQ(service.SendEntry(*entry, nullptr, nullptr).Code(), 10201u);
    EXPECT_EQ(service.GetSentTimestamp(), sent);
    Answer(ErrorReply("EP", "Error: You have not permission to add a category"));
    EXPECT_EQ(service.SendEntry(*entry, nullptr, nullptr).Code(), 10201u) << "another action's refusal is only an error";
    EXPECT_EQ(service.GetSentTimestamp(), sent);
}

TEST_F(EditPermission, WhatTheStoreKnowsIsRefusedIsNotSent)
{
    store->GetBlogInfo().SetReadOnly(true);
    for (auto& test : Cases()) {
        SCOPED_TRACE(test.action);
        if (test.action == "AO" || test.action == "EO")
            continue;
        service.SetTimestamp(GetCurrentSeconds() - 60);
        std::size_t shownBefore = device.Interaction().ShownMessages().size();
        ServiceReply refused = test.send();
        EXPECT_EQ(refused.Code(), test.editCode);
        EXPECT_EQ(service.GetSentTimestamp(), 0u);
        auto shown = ShownTexts(device.Interaction());
        ASSERT_EQ(shown.size(), shownBefore + 1);
        EXPECT_EQ(shown.back(), ErrorText(test.editCode) + ".");
    }
    EXPECT_TRUE(Requests().empty());
}

TEST_F(EditPermission, CommentsAreCheckedAgainstTheBlogsCommentRights)
{
    store->SetUserId(0);
    EXPECT_EQ(service.SendComment(*comment, nullptr, nullptr).Code(), 8019u) << "no user id: read-only";
    store->SetUserId(kUserId);
    comment->SetAuthorId(12);
    store->GetBlogInfo().SetReadOnly(true);
    EXPECT_EQ(service.SendComment(*comment, nullptr, nullptr).Code(), 8019u) << "someone else's comment on a blog the user cannot edit";
    EXPECT_TRUE(Requests().empty());

    Answer(ChangesResponseBuilder::Envelope("AO", "<OI>56</OI><BY>Me</BY>"));
    EXPECT_TRUE(service.SendComment(*newComment, nullptr, nullptr).IsSuccess()) << "a comment not yet on the web is the user's";
}

TEST_F(EditPermission, OnSomeoneElsesGroupBlogOnlyTheUsersOwnEntriesGoOut)
{
    store->GetBlogInfo().SetGroupBlog(1);
    store->GetBlogInfo().SetOwnerId(12);
    entry->SetPosterId(12);
    EXPECT_EQ(service.SendEntry(*entry, nullptr, nullptr).Code(), 8011u);
    EXPECT_TRUE(Requests().empty());
    entry->SetPosterId(kUserId);
    Answer(ChangesResponseBuilder::Envelope("EP", ""));
    EXPECT_TRUE(service.SendEntry(*entry, nullptr, nullptr).IsSuccess());
    EXPECT_EQ(Requests().size(), 1u);
}

TEST_F(EditPermission, MailAndRemotePostsNeedAnAccountTheServiceKnows)
{
    service.SetAccount(kEmail, kPassword, 0, kBlog, "");
    EXPECT_EQ(service.SendPhotoEmail(31, 9001, "a@example.com", "", nullptr, nullptr), 10201u);
    EXPECT_EQ(service.PostToRemoteBlog(31, 9001, "other", "", "", nullptr, nullptr), 10201u);
    EXPECT_TRUE(Requests().empty());
    EXPECT_EQ(ShownTexts(device.Interaction()), (std::vector<std::string>(2, ErrorText(8001))));
}
