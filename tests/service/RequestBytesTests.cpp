// Every action's request as the server receives it, byte for byte.

#include "ServiceTestBench.h"
#include "app/ProgramVersion.h"
#include "platform/Clock.h"
#include "support/ScopedEnvironment.h"
#include "support/TemporaryFolder.h"

namespace {

// A text with every character the envelope must escape, and some that it
// must not touch.
constexpr std::string_view kAwkward = "Tom & Jerry <\"best\"> 'friends'\tforever\r\nÜber café";
constexpr std::string_view kAwkwardEscaped = "Tom &amp; Jerry &lt;&quot;best&quot;&gt; &apos;friends&apos;&#x9;forever&#xD;&#xA;Über café";

ProgramTime LocalTime(int year, int month, int day, int hour, int minute, int second)
{
    ProgramTime time = 0;
    EXPECT_TRUE(ProgramTimeFromWallClock({ year, month, day, hour, minute, second }, time));
    return time;
}

class RequestBytes : public ServiceTest {
protected:
    RequestBytes() { Answer(ChangesResponseBuilder::Envelope("X", "")); }
};

}

TEST_F(RequestBytes, UserInfoRequestIsTheEnvelopeWithTheAccountAndNoBlog)
{
    ASSERT_TRUE(service.RequestUserInfo(nullptr, nullptr).IsSuccess());
    auto request = OnlyRequest();
    std::string host = server.HostText();
    EXPECT_EQ(request.head,
        "POST /ws/ HTTP/1.1\r\nHost: " + host + "\r\nContent-Type: text/xml; charset=utf-8\r\nContent-Length: "
            + std::to_string(request.body.size()) + "\r\nUser-Agent: WinCE-PocketPC vellumbrix " + std::string(ProgramVersionText())
            + "\r\nSOAPAction: \"http://" + host + "/ws/GU\"\r\n\r\n");
    EXPECT_EQ(CheckDigests(request.body, kPassword),
        "<?xml version=\"1.0\" encoding=\"utf-8\"?><soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body>"
        "<GU xmlns=\"http://"
            + host
            + "/ws\"><RQ><GU><RQ><V>3</V>"
              "<AU><UN>me@example.com</UN><DI>{DI}</DI><CR>{CR}</CR><NO>{NO}</NO></AU>"
              "</RQ></GU></RQ></GU></soap:Body></soap:Envelope>\r\n");
}

TEST_F(RequestBytes, EveryRequestHasAFreshNonceAndAValidDigest)
{
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(service.RequestUserInfo(nullptr, nullptr).IsSuccess());
    std::set<std::string> nonces;
    for (auto& request : Requests()) {
        CheckDigests(request.body, kPassword);
        std::size_t at = request.body.find("<NO>");
        nonces.insert(request.body.substr(at + 4, 31));
    }
    EXPECT_EQ(nonces.size(), 3u);
}

TEST_F(RequestBytes, AnEmptyPasswordSendsAnEmptyAuthenticationAndStillTheBlog)
{
    service.SetAccount(kEmail, "", kUserId, kBlog, "");
    auto category = MakeCategory(*store, 12, "Cats", true);
    ASSERT_TRUE(service.SendCategoryDeletion(*category, nullptr, nullptr).IsSuccess());
    ExpectRequest(OnlyRequest(), "DC", "<AU /><BI>myblog</BI><CA><CI>12</CI></CA>");
}

TEST_F(RequestBytes, SubscriptionsGoOutUnescaped)
{
    std::vector<std::string> blogs { "myblog", "tom&jerry", "café" };
    ASSERT_TRUE(service.SendSubscriptions(blogs, nullptr, nullptr).IsSuccess());
    ExpectRequest(OnlyRequest(), "EU", Authentication({}) + "<EU><SL><SU>myblog</SU><SU>tom&jerry</SU><SU>café</SU></SL></EU>");
}

TEST_F(RequestBytes, BlogSettingsAreEscapedWithTheVisibility)
{
    CBlogInfo& blog = store->GetBlogInfo();
    blog.SetTitle(kAwkward);
    blog.SetSubtitle("a<b");
    blog.SetHidden(1);
    ASSERT_TRUE(service.SendBlogSettings(nullptr, nullptr).IsSuccess());
    blog.SetHidden(0);
    ASSERT_TRUE(service.SendBlogSettings(nullptr, nullptr).IsSuccess());
    auto requests = Requests();
    ASSERT_EQ(requests.size(), 2u);
    std::string fields = Authentication() + "<BL><BT>" + std::string(kAwkwardEscaped) + "</BT><ST>a&lt;b</ST><VI>";
    ExpectRequest(requests[0], "EB", fields + "hidden</VI></BL>");
    ExpectRequest(requests[1], "EB", fields + "normal</VI></BL>");
}

TEST_F(RequestBytes, ChangesAskForEverythingWithTheLimitOrSinceATimeWithout)
{
    ScopedTimeZone zone("XST-2");
    store->GetBlogInfo().SetEntryLimit(25);
    service.SetTimestamp(0);
    ASSERT_TRUE(service.RequestChanges(nullptr, nullptr).IsSuccess());

    service.SetTimestamp(GetCurrentSeconds() - 3600);
    std::string since = http.FormatTime(service.GetSentTimestamp(), true);
    ASSERT_TRUE(service.RequestChanges(nullptr, nullptr).IsSuccess());

    store->GetBlogInfo().SetLimitEntries(false);
    service.SetTimestamp(0);
    service.SetAccount(kEmail, kPassword, kUserId, kBlog, "open sesame");
    ASSERT_TRUE(service.RequestChanges(nullptr, nullptr).IsSuccess());

    auto requests = Requests();
    ASSERT_EQ(requests.size(), 3u);
    ExpectRequest(requests[0], "GC", Authentication() + "<TS /><VP /><MX>25</MX>");
    ExpectRequest(requests[1], "GC", Authentication() + "<TS>" + since + "</TS><VP /><MX />");
    EXPECT_EQ(since.back(), 'Z');
    ExpectRequest(requests[2], "GC", Authentication() + "<TS /><VP><DI>{DI}</DI><CR>{CR}</CR><NO>{NO}</NO></VP><MX />", "open sesame");
}

TEST_F(RequestBytes, CategoriesAreAddedEditedAndDeletedByTheirIds)
{
    auto local = MakeCategory(*store, 4294967040u, kAwkward, true);
    auto known = MakeCategory(*store, 31, "Dogs & Cats", true);
    ASSERT_TRUE(service.SendCategory(*local, nullptr, nullptr).IsSuccess());
    ASSERT_TRUE(service.SendCategory(*known, nullptr, nullptr).IsSuccess());
    ASSERT_TRUE(service.SendCategoryDeletion(*known, nullptr, nullptr).IsSuccess());
    auto requests = Requests();
    ASSERT_EQ(requests.size(), 3u);
    ExpectRequest(requests[0], "AC", Authentication() + "<CA><NM>" + std::string(kAwkwardEscaped) + "</NM></CA>");
    ExpectRequest(requests[1], "EC", Authentication() + "<CA><CI>31</CI><NM>Dogs &amp; Cats</NM></CA>");
    ExpectRequest(requests[2], "DC", Authentication() + "<CA><CI>31</CI></CA>");
}

TEST_F(RequestBytes, ANewEntryGoesWithItsPhotoAndAnEditedOneWithout)
{
    ScopedTimeZone zone("XST-2");
    std::string photo = "\xFF\xD8 any photo bytes \x01\x02\x03\xFF\xD9";
    std::string path = device.Path("photo.jpg");
    WriteTextFile(path, photo);
    auto entry = MakeEntry(*store, 0, kAwkward, LocalTime(2006, 7, 1, 12, 0, 0), true);
    entry->SetTakenDate(LocalTime(2006, 6, 30, 8, 5, 9));
    entry->SetCaption("Line one\nline two & <three>");
    entry->SetCategoryId(31);
    entry->SetPhotoPath(path);
    ASSERT_TRUE(service.SendEntry(*entry, nullptr, nullptr).IsSuccess());
    entry->SetServerId(9001);
    ASSERT_TRUE(service.SendEntry(*entry, nullptr, nullptr).IsSuccess());
    ASSERT_TRUE(service.SendEntryDeletion(*entry, nullptr, nullptr).IsSuccess());

    auto requests = Requests();
    ASSERT_EQ(requests.size(), 3u);
    std::string fields = "<CI>31</CI><TI>" + std::string(kAwkwardEscaped)
        + "</TI><CP>Line one&#xA;line two &amp; &lt;three&gt;</CP><PD>2006-07-01T12:00:00+0200</PD><TD>2006-06-30T08:05:09+0200</TD>";
    ExpectRequest(requests[0], "AP", Authentication() + "<PI>" + fields + "<JP>" + EncodeBase64(photo) + "</JP></PI>");
    ExpectRequest(requests[1], "EP", Authentication() + "<PI><ID>9001</ID>" + fields + "</PI>");
    ExpectRequest(requests[2], "DP", Authentication() + "<PI><ID>9001</ID></PI>");
}

TEST_F(RequestBytes, ANewEntryWithoutItsPhotoIsNotSent)
{
    auto entry = MakeEntry(*store, 0, "Lost", 100, true);
    entry->SetPhotoPath(device.Path("gone.jpg"));
    ServiceReply reply = service.SendEntry(*entry, nullptr, nullptr);
    EXPECT_EQ(reply.Code(), 11000u);
    EXPECT_FALSE(reply.IsServerError());
    EXPECT_TRUE(Requests().empty());
    EXPECT_TRUE(device.Interaction().ShownMessages().empty()) << "the sync counts these and tells once";
}

TEST_F(RequestBytes, CommentsCarryTheirEntryAndUtcTime)
{
    ScopedTimeZone zone("XST-2");
    auto comment = MakeComment(*store, 9001, 0, kAwkward, LocalTime(2006, 7, 1, 12, 0, 0), true);
    ASSERT_TRUE(service.SendComment(*comment, nullptr, nullptr).IsSuccess());
    comment->SetCommentId(55);
    ASSERT_TRUE(service.SendComment(*comment, nullptr, nullptr).IsSuccess());
    ASSERT_TRUE(service.SendCommentDeletion(*comment, nullptr, nullptr).IsSuccess());
    auto requests = Requests();
    ASSERT_EQ(requests.size(), 3u);
    std::string fields = "<ID>9001</ID><OD>2006-07-01T10:00:00Z</OD><OT>" + std::string(kAwkwardEscaped) + "</OT></OM>";
    ExpectRequest(requests[0], "AO", Authentication() + "<OM>" + fields);
    ExpectRequest(requests[1], "EO", Authentication() + "<OM><OI>55</OI>" + fields);
    ExpectRequest(requests[2], "DCO", Authentication() + "<OM><OI>55</OI></OM>");
}

TEST_F(RequestBytes, PhotoEmailSplitsItsRecipientsAndSendsThemUnescaped)
{
    std::string longAddress(70, 'x');
    std::string recipients = "ann@example.com, bob&co@example.com,,  carl@example.com\t" + longAddress + ",";
    ASSERT_EQ(service.SendPhotoEmail(12, 0, recipients, kAwkward, nullptr, nullptr), Error::Success);
    ASSERT_EQ(service.SendPhotoEmail(12, 9001, "solo@example.com", "", nullptr, nullptr), Error::Success);
    auto requests = Requests();
    ASSERT_EQ(requests.size(), 2u);
    ExpectRequest(requests[0], "PhotoEMail",
        Authentication() + "<CI>12</CI><ID /><RS><RP>ann@example.com</RP><RP>bob&co@example.com</RP><RP>carl@example.com</RP><RP>"
            + longAddress.substr(0, 63) + "</RP></RS><MG>" + std::string(kAwkwardEscaped) + "</MG>");
    ExpectRequest(requests[1], "PhotoEMail", Authentication() + "<CI>12</CI><ID>9001</ID><RS><RP>solo@example.com</RP></RS><MG></MG>");
}

TEST_F(RequestBytes, RemoteBlogPostsEscapeEveryText)
{
    ASSERT_EQ(service.PostToRemoteBlog(12, 9001, "My <other> blog", kAwkward, "", nullptr, nullptr), Error::Success);
    ASSERT_EQ(service.PostToRemoteBlog(12, 0, "", "", "", nullptr, nullptr), Error::Success);
    auto requests = Requests();
    ASSERT_EQ(requests.size(), 2u);
    ExpectRequest(requests[0], "RemoteBlog",
        Authentication() + "<CI>12</CI><ID>9001</ID><RB>My &lt;other&gt; blog</RB><TI>" + std::string(kAwkwardEscaped) + "</TI><CP></CP>");
    ExpectRequest(requests[1], "RemoteBlog", Authentication() + "<CI>12</CI><ID /><RB></RB><TI></TI><CP></CP>");
}

TEST_F(RequestBytes, AccountCreationIsTheOnlyRequestWithoutAuthentication)
{
    ASSERT_TRUE(service.RequestAccountCreation("new&user@example.com", "p<w>", "Zoë", "O'Brien", nullptr, nullptr).IsSuccess());
    ExpectRequest(OnlyRequest(), "CreateAccount",
        "<EMail>new&amp;user@example.com</EMail><Password>p&lt;w&gt;</Password><FirstName>Zoë</FirstName><LastName>O&apos;Brien</LastName>");
}

TEST_F(RequestBytes, BlogCreationAuthenticatesWithTheAccountGivenAndNamesNoBlog)
{
    ASSERT_TRUE(service.RequestBlogCreation(kEmail, kPassword, "new&blog", "Title <1>", "", true, nullptr, nullptr).IsSuccess());
    ASSERT_TRUE(service.RequestBlogCreation(kEmail, kPassword, "hidden", "", "Sub", false, nullptr, nullptr).IsSuccess());
    auto requests = Requests();
    ASSERT_EQ(requests.size(), 2u);
    ExpectRequest(requests[0], "CreateBlog",
        Authentication({})
            + "<BlogURL>new&amp;blog</BlogURL><Title>Title &lt;1&gt;</Title><Subtitle></Subtitle><Visibility>normal</Visibility>");
    ExpectRequest(requests[1], "CreateBlog",
        Authentication({}) + "<BlogURL>hidden</BlogURL><Title></Title><Subtitle>Sub</Subtitle><Visibility>hidden</Visibility>");
}

TEST(RecipientSplitting, ItemsEndAtCommasAndBlanksAndEmptyOnesAreSkipped)
{
    EXPECT_EQ(SplitRecipients(" a@x, ,b@y\r\nc@z,"), (std::vector<std::string> { "a@x", "b@y", "c@z" }));
    EXPECT_TRUE(SplitRecipients(" , ,\t").empty());
}
