// What the store makes of the service's answers to its actions.

#include "ServiceTestBench.h"
#include "service/StoreActionReplies.h"
#include "service/UserInfoReply.h"
#include "support/TemporaryFolder.h"
#include "transport/ReadOnlyMemoryStream.h"

#include <filesystem>

namespace {

class StoreActionReply : public ServiceTest {
protected:
    // Sends through `send` with the server answering `inner` for ACTION,
    // and hands the reply's body to `apply`.
    template<typename Send, typename Apply>
    void Exchange(std::string_view action, std::string_view inner, Send send, Apply apply)
    {
        Answer(ChangesResponseBuilder::Envelope(action, inner));
        ServiceReply reply = send();
        ASSERT_TRUE(reply.IsSuccess()) << reply.Code();
        ASSERT_TRUE(reply.Body());
        apply(*reply.Body());
    }
};

}

TEST_F(StoreActionReply, ANewCategoryTakesItsIdAndItsEntriesFollow)
{
    BlogAlbum& category = store->InsertCategory(MakeCategory(*store, 4294967040u, "New", true));
    BlogEntry& filed = store->InsertEntry(MakeEntry(*store, 5, "Filed", 10, true));
    filed.SetCategoryId(4294967040u);
    Exchange(
        "AC", "<CI>31</CI>", [&] { return service.SendCategory(category, nullptr, nullptr); },
        [&](Stream& body) { service.ApplyCategoryReply(category, body); });
    EXPECT_EQ(category.GetId(), 31u);
    EXPECT_FALSE(category.IsModified());
    EXPECT_EQ(filed.GetCategoryId(), 31u);
    EXPECT_TRUE(filed.IsPending()) << "recategorising leaves pending marks alone";

    category.SetModified(true);
    Exchange(
        "EC", "<CI>99</CI>", [&] { return service.SendCategory(category, nullptr, nullptr); },
        [&](Stream& body) { service.ApplyCategoryReply(category, body); });
    EXPECT_EQ(category.GetId(), 31u) << "an edited category keeps its id";
    EXPECT_FALSE(category.IsModified());
}

TEST_F(StoreActionReply, ACategoryIdFromTheLocalRangeIsNotTaken)
{
    BlogAlbum& category = store->InsertCategory(MakeCategory(*store, 4294967040u, "New", true));
    std::string body = "<CI>4294967295</CI>";
    ReadOnlyMemoryStream stream(body);
    service.ApplyCategoryReply(category, stream);
    EXPECT_EQ(category.GetId(), 4294967040u);
}

TEST_F(StoreActionReply, ANewEntryTakesItsIdAndAddressAndIsNoLongerPending)
{
    WriteTextFile(device.Path("photo.jpg"), "photo");
    BlogEntry& entry = store->InsertEntry(MakeEntry(*store, 0, "New", 10, true));
    entry.SetPhotoPath(device.Path("photo.jpg"));
    entry.SetPhotoState(7);
    Exchange(
        "AP", "<ID>9001</ID><BY>Me Myself</BY><OU>http://photos.example/o/9001.jpg</OU>",
        [&] { return service.SendEntry(entry, nullptr, nullptr); },
        [&](Stream& body) { EXPECT_EQ(service.ApplyEntryReply(entry, body, false), Error::Success); });
    EXPECT_EQ(entry.GetServerId(), 9001u);
    EXPECT_EQ(store->FindEntryByServerId(9001), &entry);
    EXPECT_EQ(entry.GetSourceUrl(), "http://photos.example/o/9001.jpg");
    EXPECT_EQ(entry.GetAuthorName(), "") << "not a group blog";
    EXPECT_FALSE(entry.IsPending());
    EXPECT_EQ(entry.GetPhotoState(), 7) << "the device still holds the full-size photo";
    EXPECT_TRUE(std::filesystem::exists(device.Path("photo.jpg")));
}

TEST_F(StoreActionReply, OnAGroupBlogTheNewEntryNamesTheUserAsItsPoster)
{
    WriteTextFile(device.Path("photo.jpg"), "photo");
    BlogEntry& entry = store->InsertEntry(MakeEntry(*store, 0, "New", 10, true));
    entry.SetPhotoPath(device.Path("photo.jpg"));
    Exchange(
        "AP", "<ID>9001</ID><BY>Me Myself</BY><OU>http://photos.example/o/9001.jpg</OU>",
        [&] { return service.SendEntry(entry, nullptr, nullptr); },
        [&](Stream& body) { EXPECT_EQ(service.ApplyEntryReply(entry, body, true), Error::Success); });
    EXPECT_EQ(entry.GetAuthorName(), "Me Myself");
    EXPECT_EQ(entry.GetPosterId(), kUserId);
    EXPECT_EQ(entry.GetSourceUrl(), "http://photos.example/o/9001.jpg");
}

TEST_F(StoreActionReply, ABlogThatKeepsNoPhotosDeletesThemOnceUploaded)
{
    store->GetBlogInfo().SetDeleteAfterUpload(true);
    service.SetPhotoSizes(2, 5);
    WriteTextFile(device.Path("photo.jpg"), "photo");
    BlogEntry& entry = store->InsertEntry(MakeEntry(*store, 0, "New", 10, true));
    entry.SetPhotoPath(device.Path("photo.jpg"));
    entry.SetPhotoState(7);
    Exchange(
        "AP", "<ID>9001</ID><OU>x</OU>", [&] { return service.SendEntry(entry, nullptr, nullptr); },
        [&](Stream& body) { EXPECT_EQ(service.ApplyEntryReply(entry, body, false), Error::Success); });
    EXPECT_FALSE(std::filesystem::exists(device.Path("photo.jpg")));
    EXPECT_EQ(entry.GetPhotoState(), 2) << "the size it was uploaded at";
    EXPECT_FALSE(entry.IsPending());
}

TEST_F(StoreActionReply, AReplyWithoutAnIdLeavesTheEntryPending)
{
    WriteTextFile(device.Path("photo.jpg"), "photo");
    BlogEntry& entry = store->InsertEntry(MakeEntry(*store, 0, "New", 10, true));
    entry.SetPhotoPath(device.Path("photo.jpg"));
    Exchange(
        "AP", "<OU>x</OU>", [&] { return service.SendEntry(entry, nullptr, nullptr); },
        [&](Stream& body) { EXPECT_EQ(service.ApplyEntryReply(entry, body, false), 65535u); });
    EXPECT_EQ(entry.GetServerId(), 0u);
    EXPECT_TRUE(entry.IsPending());
    EXPECT_EQ(entry.GetSourceUrl(), "");
}

TEST_F(StoreActionReply, AnEditedEntryOnlyStopsBeingPending)
{
    BlogEntry& entry = store->InsertEntry(MakeEntry(*store, 9001, "Edited", 10, true));
    entry.SetSourceUrl("http://old");
    Exchange(
        "EP", "<ID>1</ID><OU>http://new</OU>", [&] { return service.SendEntry(entry, nullptr, nullptr); },
        [&](Stream& body) { EXPECT_EQ(service.ApplyEntryReply(entry, body, false), Error::Success); });
    EXPECT_EQ(entry.GetServerId(), 9001u);
    EXPECT_EQ(entry.GetSourceUrl(), "http://old");
    EXPECT_FALSE(entry.IsPending());
}

TEST_F(StoreActionReply, ANewCommentTakesItsIdAndAuthor)
{
    BlogComment& comment = store->InsertComment(MakeComment(*store, 9001, 0, "Nice", 10, true));
    Exchange(
        "AO", "<OI>601</OI><BY>Me Myself</BY>", [&] { return service.SendComment(comment, nullptr, nullptr); },
        [&](Stream& body) { EXPECT_EQ(service.ApplyCommentReply(comment, body), Error::Success); });
    EXPECT_EQ(comment.GetCommentId(), 601u);
    EXPECT_EQ(comment.GetAuthorName(), "Me Myself");
    EXPECT_EQ(comment.GetAuthorId(), kUserId);
    EXPECT_FALSE(comment.IsPending());

    BlogComment& unanswered = store->InsertComment(MakeComment(*store, 9001, 0, "Again", 20, true));
    Exchange(
        "AO", "", [&] { return service.SendComment(unanswered, nullptr, nullptr); },
        [&](Stream& body) { EXPECT_EQ(service.ApplyCommentReply(unanswered, body), 65535u); });
    EXPECT_TRUE(unanswered.IsPending());
}

TEST_F(StoreActionReply, BlogSettingsComeBackAsTheServiceHasThem)
{
    CBlogInfo& blog = store->GetBlogInfo();
    blog.SetTitle("Mine");
    blog.SetSettingsModified(true);
    Exchange(
        "EB", "<BT>Mine &amp; yours</BT><ST>Sub</ST><VI>hidden</VI>", [&] { return service.SendBlogSettings(nullptr, nullptr); },
        [&](Stream& body) { service.ApplyBlogSettingsReply(body); });
    EXPECT_EQ(blog.GetTitle(), "Mine & yours");
    EXPECT_EQ(blog.GetSubtitle(), "Sub");
    EXPECT_EQ(blog.GetHidden(), 1);
    EXPECT_FALSE(blog.IsSettingsModified());
}

TEST_F(StoreActionReply, DeletedCategoriesAreForgottenForGood)
{
    store->InsertCategory(MakeCategory(*store, 31, "Gone", false));
    store->DeleteCategory(*store->FindCategoryById(31), false);
    BlogAlbum* queued = store->GetFirstDeletedCategory();
    ASSERT_TRUE(queued);
    Exchange(
        "DC", "", [&] { return service.SendCategoryDeletion(*queued, nullptr, nullptr); },
        [&](Stream&) { ForgetDeletedCategory(*store, *queued); });
    EXPECT_FALSE(store->GetFirstDeletedCategory());
}

TEST_F(StoreActionReply, DeletedEntriesAndCommentsAreForgottenForGood)
{
    store->InsertEntry(MakeEntry(*store, 9001, "Gone", 10, false));
    ASSERT_EQ(store->DeleteEntry(*store->FindEntryByServerId(9001), false, false), Error::Success);
    store->InsertComment(MakeComment(*store, 9001, 601, "Gone", 10, false));
    store->DeleteComment(*store->FindCommentById(601), false);
    BlogEntry* queuedEntry = store->GetFirstDeletedEntry();
    BlogComment* queuedComment = store->GetFirstDeletedComment();
    ASSERT_TRUE(queuedEntry && queuedComment);

    Exchange(
        "DP", "", [&] { return service.SendEntryDeletion(*queuedEntry, nullptr, nullptr); },
        [&](Stream&) { EXPECT_EQ(ForgetDeletedEntry(*store, *queuedEntry), Error::Success); });
    Exchange(
        "DCO", "", [&] { return service.SendCommentDeletion(*queuedComment, nullptr, nullptr); },
        [&](Stream&) { ForgetDeletedComment(*store, *queuedComment); });
    EXPECT_FALSE(store->GetFirstDeletedEntry()) << "a deletion the service accepted is not sent again";
    EXPECT_FALSE(store->GetFirstDeletedComment());
}

TEST_F(StoreActionReply, UserInfoNamesTheAccountItsBlogsAndRemoteBlogs)
{
    std::string inner = "<UI>77</UI><AT>pro</AT><QT>5000</QT><SL><SU>myblog</SU><SU>friends&amp;co</SU></SL><RR><RB>LiveJournal</RB>"
                        "<RB></RB><RB>Blogger</RB></RR>";
    Exchange(
        "GU", inner, [&] { return service.RequestUserInfo(nullptr, nullptr); },
        [&](Stream& body) {
            auto account = ReadUserInfoReply(body);
            ASSERT_FALSE(account.IsError());
            EXPECT_EQ(account->userId, 77u);
            EXPECT_EQ(account->accountType, "pro");
            EXPECT_EQ(account->photoQuota, 5000u);
            EXPECT_EQ(account->subscriptionUrlNames, (std::vector<std::string> { "myblog", "friends&co" }));
            ASSERT_TRUE(account->remoteBlogNames);
            EXPECT_EQ(*account->remoteBlogNames, (std::vector<std::string> { "LiveJournal", "Blogger" }));
        });
}

TEST(UserInfoReply, WithoutRemoteBlogsTheListIsNotReplaced)
{
    std::string body = "<UI>77</UI><AT>free</AT><QT>100</QT><SL />";
    ReadOnlyMemoryStream stream(body);
    auto account = ReadUserInfoReply(stream);
    ASSERT_FALSE(account.IsError());
    EXPECT_EQ(account->accountType, "free");
    EXPECT_TRUE(account->subscriptionUrlNames.empty());
    EXPECT_FALSE(account->remoteBlogNames);
}

TEST(UserInfoReply, AnAnswerWithoutItsSubscriptionListIsRefused)
{
    for (std::string body : {
             "<UI>77</UI><AT>free</AT><QT>100</QT><RR><RB>x</RB></RR>",
             "<AT>free</AT><QT>100</QT><SL><SU>a</SU></SL>",
             "<UI>77</UI><QT>100</QT><SL><SU>a</SU></SL>",
             "",
         }) {
        ReadOnlyMemoryStream stream(body);
        auto account = ReadUserInfoReply(stream);
        ASSERT_TRUE(account.IsError()) << body;
        EXPECT_EQ(account.GetError(), 65535u);
    }
}

TEST(UserInfoReply, RemoteBlogsStopAt31NamesAnd1280Bytes)
{
    std::string many = "<UI>1</UI><AT>free</AT><QT>0</QT><SL></SL><RR>";
    for (int i = 0; i < 40; ++i)
        many += "<RB>blog" + std::to_string(i) + "</RB>";
    many += "</RR>";
    ReadOnlyMemoryStream manyStream(many);
    auto account = ReadUserInfoReply(manyStream);
    ASSERT_FALSE(account.IsError());
    ASSERT_EQ(account->remoteBlogNames->size(), 31u);
    EXPECT_EQ(account->remoteBlogNames->back(), "blog30");

    std::string longNames = "<UI>1</UI><AT>free</AT><QT>0</QT><SL></SL><RR>";
    for (int i = 0; i < 30; ++i)
        longNames += "<RB>" + std::string(62, static_cast<char>('a' + i % 26)) + std::to_string(i % 10) + "</RB>";
    longNames += "</RR>";
    ReadOnlyMemoryStream longStream(longNames);
    account = ReadUserInfoReply(longStream);
    ASSERT_FALSE(account.IsError());
    EXPECT_EQ(account->remoteBlogNames->size(), 20u) << "20 names of 63 bytes and their ends fill 1280 bytes";
}
