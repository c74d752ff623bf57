// Accounts, authentication and blogs through real HTTP: "CreateAccount",
// the digest with its time window and nonce, "GU", "EU", "CreateBlog" and
// "EB".

#include "ServerTestKit.h"

#include <gtest/gtest.h>

namespace {

std::string AccountFields(const std::string& email, const std::string& password, const std::string& first = "Ann", const std::string& last = "Lee")
{
    return "<EMail>" + Escaped(email) + "</EMail><Password>" + Escaped(password) + "</Password><FirstName>" + Escaped(first) + "</FirstName><LastName>"
        + Escaped(last) + "</LastName>";
}

std::vector<std::string> Subscriptions(const Answer& answer)
{
    std::vector<std::string> names;
    for (auto& record : answer.Records("SU"))
        names.push_back(record["#text"]);
    return names;
}

}

TEST(Accounts, CreateAccountThenLogInWithTheDigest)
{
    ServiceUnderTest service;
    Device anonymous(service, std::nullopt);
    Answer created = anonymous.Send("CreateAccount", std::nullopt, AccountFields("ann@example.com", "p&ss<w>rd"));
    ASSERT_TRUE(created.Ok()) << created.body;
    EXPECT_EQ(created.body.find("<AU"), std::string::npos);

    Device device(service, TestAccount { "ann@example.com", "p&ss<w>rd" });
    Answer user = device.Send("GU", std::nullopt, "");
    ASSERT_TRUE(user.Ok()) << user.body;
    EXPECT_NE(user.Value("UI"), "0");
    EXPECT_EQ(user.Value("AT"), "free");
    EXPECT_EQ(user.Value("QT"), "1000");
    // The fields come in the order devices scan for them.
    size_t ui = user.body.find("<UI>"), at = user.body.find("<AT>"), qt = user.body.find("<QT>"), sl = user.body.find("<SL>"),
           rr = user.body.find("<RR>");
    EXPECT_TRUE(ui < at && at < qt && qt < sl && sl < rr) << user.body;
}

TEST(Accounts, CreateAccountRefusals)
{
    ServiceUnderTest service;
    service.AddUser("taken@example.com");
    Device anonymous(service, std::nullopt);
    EXPECT_EQ(anonymous.Send("CreateAccount", std::nullopt, AccountFields("TAKEN@Example.com", "x")).Refusal(), "Error: Email already used");
    // Devices send e-mail addresses unescaped inside requests, so these
    // characters are never let into an account.
    for (std::string bad : { "a&b@example.com", "a<b@example.com", "a>b@example.com", "no-at-sign", "two words@example.com", "@example.com" }) {
        std::string refusal = anonymous.Send("CreateAccount", std::nullopt, AccountFields(bad, "x")).Refusal();
        EXPECT_EQ(refusal.rfind("Error: Please enter a valid e-mail address", 0), 0u) << bad << ": " << refusal;
    }
    EXPECT_EQ(anonymous.Send("CreateAccount", std::nullopt, AccountFields("new@example.com", "")).Refusal(), "Error: Please enter a password");
    EXPECT_EQ(anonymous.Send("CreateAccount", std::nullopt, AccountFields("new@example.com", "\xFF\xFE")).Refusal(),
        "Error: A password is text of at most 127 bytes");
    EXPECT_EQ(anonymous.Send("CreateAccount", std::nullopt, AccountFields("new@example.com", std::string(128, 'p'))).Refusal(),
        "Error: A password is text of at most 127 bytes");
    // An account name that is not text is no account's.
    Device garbled(service, TestAccount { "taken\xFF@example.com", "secret" });
    EXPECT_EQ(garbled.Send("GU", std::nullopt, "").Refusal(), "Error: Invalid Authentication");
}

TEST(Authentication, DigestTimeWindowAndNonce)
{
    ServiceUnderTest service;
    TestAccount account = service.AddUser("ann@example.com", "secret");
    Device device(service, account);
    const std::string refused = "Error: Invalid Authentication";

    EXPECT_TRUE(device.Send("GU", std::nullopt, "").Ok());
    EXPECT_EQ(device.Send("GU", std::nullopt, "", AuthOptions::WithPassword("wrong")).Refusal(), refused);
    EXPECT_EQ(Device(service, TestAccount { "nobody@example.com", "secret" }).Send("GU", std::nullopt, "").Refusal(), refused);
    // The user name is found without regard to case; the password is exact.
    EXPECT_TRUE(Device(service, TestAccount { "ANN@example.com", "secret" }).Send("GU", std::nullopt, "").Ok());
    EXPECT_EQ(Device(service, TestAccount { "ann@example.com", "Secret" }).Send("GU", std::nullopt, "").Refusal(), refused);

    // Created times within 15 minutes of the server's clock, either way.
    EXPECT_TRUE(device.Send("GU", std::nullopt, "", AuthOptions::Shifted(14 * 60 + 50)).Ok());
    EXPECT_TRUE(device.Send("GU", std::nullopt, "", AuthOptions::Shifted(-(14 * 60 + 50))).Ok());
    EXPECT_EQ(device.Send("GU", std::nullopt, "", AuthOptions::Shifted(15 * 60 + 10)).Refusal(), refused);
    EXPECT_EQ(device.Send("GU", std::nullopt, "", AuthOptions::Shifted(-(15 * 60 + 10))).Refusal(), refused);

    // A request replayed byte for byte is refused, and so is any request
    // that reuses an accepted nonce.
    std::string envelope = device.Envelope("GU", std::nullopt, "");
    EXPECT_TRUE(device.Post(envelope).Ok());
    EXPECT_EQ(device.Post(envelope).Refusal(), refused);
    std::string nonce = NewNonce();
    EXPECT_TRUE(device.Send("GU", std::nullopt, "", AuthOptions::WithNonce(nonce)).Ok());
    EXPECT_EQ(device.Send("GU", std::nullopt, "", AuthOptions::WithNonce(nonce, 5)).Refusal(), refused);
    // A nonce refused with a wrong password was not used up.
    std::string other = NewNonce();
    EXPECT_EQ(device.Send("GU", std::nullopt, "", AuthOptions::WithPassword("wrong", other)).Refusal(), refused);
    EXPECT_TRUE(device.Send("GU", std::nullopt, "", AuthOptions::WithNonce(other)).Ok());

    // "<AU />" is no login for anything but reading.
    EXPECT_EQ(Device(service, std::nullopt).Send("GU", std::nullopt, "").Refusal(), refused);
}

TEST(Authentication, RefusedVersion)
{
    ServiceUnderTest service;
    Device device(service, service.AddUser("ann@example.com"));
    std::string envelope = device.Envelope("GU", std::nullopt, "");
    envelope.replace(envelope.find("<V>3</V>"), 8, "<V>2</V>");
    EXPECT_EQ(device.Post(envelope).Refusal(), "Error: Invalid Version");
}

TEST(Accounts, UserInfoListsOwnedMemberAndSubscribedBlogsAndRemoteBlogs)
{
    ServiceUnderTest service;
    Device ann(service, service.AddUser("ann@example.com", "secret", { "--pro" }));
    Device bob(service, service.AddUser("bob@example.com"));
    ann.CreateBlog("zeta");
    ann.CreateBlog("Alpha");
    bob.CreateBlog("bobs");
    bob.CreateBlog("club");
    ASSERT_EQ(service.Admin({ "set-group", "club", "on" }), 0);
    ASSERT_EQ(service.Admin({ "add-member", "club", "ann@example.com" }), 0);
    ASSERT_EQ(service.Admin({ "add-remote-blog", "ann@example.com", "My & Other Blog" }), 0);

    Answer before = ann.Send("GU", std::nullopt, "");
    EXPECT_EQ(before.Value("AT"), "pro");
    // Owned blogs first (a blog just made included), then the others.
    EXPECT_EQ(Subscriptions(before), (std::vector<std::string> { "Alpha", "zeta", "club" }));
    auto remote = before.Records("RB");
    ASSERT_EQ(remote.size(), 1u);
    EXPECT_EQ(remote[0]["#text"], "My & Other Blog");
    EXPECT_NE(before.body.find("My &amp; Other Blog"), std::string::npos);

    // Reading a blog with an account subscribes to it.
    EXPECT_TRUE(ann.GetChanges("bobs").Ok());
    EXPECT_EQ(Subscriptions(ann.Send("GU", std::nullopt, "")), (std::vector<std::string> { "Alpha", "zeta", "bobs", "club" }));

    // "EU" makes the subscriptions the listed blogs of other users; owned
    // blogs, memberships and unknown names are left alone.
    Answer edit = ann.Send("EU", std::nullopt, "<EU><SL><SU>zeta</SU><SU>no-such-blog</SU></SL></EU>");
    EXPECT_TRUE(edit.Ok()) << edit.body;
    EXPECT_EQ(Subscriptions(ann.Send("GU", std::nullopt, "")), (std::vector<std::string> { "Alpha", "zeta", "club" }));
    EXPECT_TRUE(ann.Send("EU", std::nullopt, "<EU><SL><SU>BOBS</SU></SL></EU>").Ok());
    EXPECT_EQ(Subscriptions(ann.Send("GU", std::nullopt, "")), (std::vector<std::string> { "Alpha", "zeta", "bobs", "club" }));
}

TEST(Blogs, CreateBlogNamesAndAlternates)
{
    ServiceUnderTest service;
    Device ann(service, service.AddUser("ann@example.com"));
    ann.CreateBlog("garden", "Ann's <garden>");
    ann.CreateBlog("garden-photos");
    auto create = [&](const std::string& name) {
        return ann.Send("CreateBlog", std::nullopt,
            "<BlogURL>" + Escaped(name) + "</BlogURL><Title></Title><Subtitle></Subtitle><Visibility>normal</Visibility>");
    };

    // Taken (without regard to case): up to four names that are free.
    Answer taken = create("GARDEN");
    EXPECT_EQ(taken.Refusal(), "Error: BlogURL already used");
    auto alternates = taken.Records("Alternate");
    ASSERT_EQ(alternates.size(), 4u) << taken.body;
    size_t message = taken.body.find("<MS>"), list = taken.body.find("<Alternates>");
    EXPECT_TRUE(message < list) << taken.body;
    for (auto& alternate : alternates) {
        EXPECT_NE(alternate["#text"], "garden-photos");
        EXPECT_TRUE(create(alternate["#text"]).Ok()) << alternate["#text"];
    }

    // The service's own paths are taken, too.
    for (std::string reserved : { "ws", "WS", "Downloads", "photos" })
        EXPECT_EQ(create(reserved).Refusal(), "Error: BlogURL already used") << reserved;
    for (std::string bad : { "has space", "dot.name", "slash/name", "", "x23456789012345678901234567890123", "caf\xC3\xA9" })
        EXPECT_EQ(create(bad).Refusal().rfind("Error: A Blog URL can only contain", 0), 0u) << bad;
    EXPECT_TRUE(create("x2345678901234567890123456789_-").Ok());
}

TEST(Blogs, EditBlogByTheOwnerOnly)
{
    ServiceUnderTest service;
    Device ann(service, service.AddUser("ann@example.com"));
    Device bob(service, service.AddUser("bob@example.com"));
    ann.CreateBlog("garden", "Garden");

    Answer edited = ann.Send("EB", "garden", "<BL><BT>New &amp; better</BT><ST>sub</ST><VI>hidden</VI></BL>");
    ASSERT_TRUE(edited.Ok()) << edited.body;
    EXPECT_EQ(edited.Value("BT"), "New & better");
    EXPECT_EQ(edited.Value("VI"), "hidden");
    size_t bt = edited.body.find("<BT>"), st = edited.body.find("<ST>"), vi = edited.body.find("<VI>");
    EXPECT_TRUE(bt < st && st < vi);

    // Someone else's change is answered with the settings as they stay.
    Answer other = bob.Send("EB", "garden", "<BL><BT>Bob was here</BT><ST></ST><VI>normal</VI></BL>");
    ASSERT_TRUE(other.Ok()) << other.body;
    EXPECT_EQ(other.Value("BT"), "New & better");
    EXPECT_EQ(other.Value("VI"), "hidden");

    EXPECT_EQ(ann.Send("EB", "nothere", "<BL><BT></BT><ST></ST><VI>normal</VI></BL>").Refusal(), "Error: A blog doesn't exist");
}
