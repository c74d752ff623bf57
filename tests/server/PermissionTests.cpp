// Who may change what, through real HTTP: every refusal text the devices
// turn into their edit codes, group blogs, closed comments, the photo
// quota, and deletions of records that are gone already.

#include "ServerTestKit.h"

#include <gtest/gtest.h>

namespace {

std::string Number(std::uint32_t value)
{
    return std::to_string(value);
}

std::string CommentFields(std::optional<std::uint32_t> id, std::uint32_t entry, const std::string& text)
{
    std::string fields = "<OM>";
    if (id)
        fields += "<OI>" + Number(*id) + "</OI>";
    return fields + "<ID>" + Number(entry) + "</ID><OD>2006-07-01T10:00:00Z</OD><OT>" + Escaped(text) + "</OT></OM>";
}

struct GardenWithStranger : ::testing::Test {
    ServiceUnderTest service;
    Device ann { service, service.AddUser("ann@example.com") };
    Device bob { service, service.AddUser("bob@example.com") };
    std::string jpeg = TestJpeg(40, 30);
    std::uint32_t category = 0;
    std::uint32_t entry = 0;
    std::uint32_t comment = 0;

    void SetUp() override
    {
        ann.CreateBlog("garden");
        category = ann.AddCategory("garden", "Roses");
        entry = ann.AddEntry("garden", "rose", jpeg, category);
        comment = ann.AddComment("garden", entry, "ann's own comment");
    }
};

}

TEST_F(GardenWithStranger, EveryEditRefusalText)
{
    struct Case {
        const char* action;
        std::string fields;
        const char* refusal;
    };
    std::vector<Case> cases {
        { "AC", "<CA><NM>Bob's</NM></CA>", "Error: You have not permission to add a category" },
        { "EC", "<CA><CI>" + Number(category) + "</CI><NM>Renamed</NM></CA>", "Error: You have not permission to edit a category" },
        { "DC", "<CA><CI>" + Number(category) + "</CI></CA>", "Error: You have not permission to delete a category" },
        { "AP", EntryFields(std::nullopt, 0, "bob's", "", jpeg), "Error: You have not permission to add a picture" },
        { "EP", EntryFields(entry, 0, "bob's", "", ""), "Error: You have not permission to edit a picture" },
        { "DP", "<PI><ID>" + Number(entry) + "</ID></PI>", "Error: You have not permission to delete a picture" },
        { "EO", CommentFields(comment, entry, "bob edits"), "Error: You have not permission to edit a comment" },
        { "DCO", "<OM><OI>" + Number(comment) + "</OI></OM>", "Error: You have not permission to delete a comment" },
    };
    for (const Case& c : cases) {
        Answer answer = bob.Send(c.action, "garden", c.fields);
        EXPECT_EQ(answer.status, 200) << c.action;
        EXPECT_EQ(answer.Refusal(), c.refusal) << c.action;
    }
    // Nothing of the refused changes happened.
    Answer changes = ann.GetChanges("garden");
    EXPECT_EQ(changes.Records("CA").size(), 1u);
    EXPECT_EQ(changes.Records("CA")[0]["NM"], "Roses");
    ASSERT_EQ(changes.Records("PI").size(), 1u);
    EXPECT_EQ(changes.Records("PI")[0]["TI"], "rose");
    EXPECT_EQ(changes.Records("OM")[0]["OT"], "ann's own comment");

    // Closed comments: no new ones from readers ("AO").
    ASSERT_EQ(service.Admin({ "set-comments", "garden", "off" }), 0);
    EXPECT_EQ(bob.Send("AO", "garden", CommentFields(std::nullopt, entry, "hi")).Refusal(), "Error: You have not permission to post a comment");
    EXPECT_EQ(bob.GetChanges("garden").Records("BL")[0]["CM"], "no");
    EXPECT_TRUE(ann.Send("AO", "garden", CommentFields(std::nullopt, entry, "the owner still may")).Ok());
}

TEST_F(GardenWithStranger, ReadersCommentAndChangeOnlyTheirOwnComments)
{
    Answer added = bob.Send("AO", "garden", CommentFields(std::nullopt, entry, "bob says hi"));
    ASSERT_TRUE(added.Ok()) << added.body;
    EXPECT_EQ(added.Value("BY"), "bob");
    std::uint32_t bobs = static_cast<std::uint32_t>(std::stoul(added.Value("OI")));
    size_t oi = added.body.find("<OI>"), by = added.body.find("<BY>");
    EXPECT_TRUE(oi < by);
    EXPECT_TRUE(bob.Send("EO", "garden", CommentFields(bobs, entry, "bob says hello")).Ok());
    // The blog's owner may delete anyone's comment.
    EXPECT_TRUE(ann.Send("DCO", "garden", "<OM><OI>" + Number(bobs) + "</OI></OM>").Ok());
    EXPECT_EQ(bob.Send("EO", "garden", CommentFields(bobs, entry, "again")).Refusal(), "Error: This comment is deleted or doesn't exist");
    EXPECT_EQ(bob.Send("AO", "garden", CommentFields(std::nullopt, 999999, "x")).Refusal(), "Error: An entry is deleted or doesn't exist");
}

TEST_F(GardenWithStranger, GroupMembersPostAndChangeTheirOwnEntries)
{
    ASSERT_EQ(service.Admin({ "set-group", "garden", "on" }), 0);
    ASSERT_EQ(service.Admin({ "add-member", "garden", "bob@example.com" }), 0);
    Answer settings = bob.GetChanges("garden");
    EXPECT_EQ(settings.Records("BL")[0]["TP"], "group");
    EXPECT_EQ(settings.Records("BL")[0]["WA"], "yes");

    Answer posted = bob.Send("AP", "garden", EntryFields(std::nullopt, category, "bob's rose", "", jpeg));
    ASSERT_TRUE(posted.Ok()) << posted.body;
    EXPECT_EQ(posted.Value("BY"), "bob");
    std::uint32_t bobs = static_cast<std::uint32_t>(std::stoul(posted.Value("ID")));
    EXPECT_TRUE(bob.Send("EP", "garden", EntryFields(bobs, category, "bob's red rose", "", "")).Ok());
    // Not the owner's entries, nor the owner's categories.
    EXPECT_EQ(bob.Send("EP", "garden", EntryFields(entry, category, "mine now", "", "")).Refusal(), "Error: You have not permission to edit a picture");
    EXPECT_EQ(bob.Send("DP", "garden", "<PI><ID>" + Number(entry) + "</ID></PI>").Refusal(), "Error: You have not permission to delete a picture");
    EXPECT_EQ(bob.Send("AC", "garden", "<CA><NM>Bob's</NM></CA>").Refusal(), "Error: You have not permission to add a category");
    // The owner may change every entry.
    EXPECT_TRUE(ann.Send("EP", "garden", EntryFields(bobs, 0, "tidied", "", "")).Ok());
    EXPECT_TRUE(bob.Send("DP", "garden", "<PI><ID>" + Number(bobs) + "</ID></PI>").Ok());

    // Switched back to a normal blog, the member is a reader again.
    ASSERT_EQ(service.Admin({ "set-group", "garden", "off" }), 0);
    EXPECT_EQ(bob.Send("AP", "garden", EntryFields(std::nullopt, 0, "x", "", jpeg)).Refusal(), "Error: You have not permission to add a picture");
}

TEST_F(GardenWithStranger, DeletionsOfWhatIsGoneSucceed)
{
    std::string deleteEntry = "<PI><ID>" + Number(entry) + "</ID></PI>";
    ASSERT_TRUE(ann.Send("DP", "garden", deleteEntry).Ok());
    // A device retries a deletion until it hears success, so a repeat (or
    // a record the service never had) must not hold up its later syncs.
    EXPECT_TRUE(ann.Send("DP", "garden", deleteEntry).Ok());
    EXPECT_TRUE(bob.Send("DP", "garden", deleteEntry).Ok());
    EXPECT_TRUE(ann.Send("DP", "garden", "<PI><ID>424242</ID></PI>").Ok());
    EXPECT_TRUE(ann.Send("DCO", "garden", "<OM><OI>" + Number(comment) + "</OI></OM>").Ok()); // deleted with its entry
    EXPECT_TRUE(ann.Send("DC", "garden", "<CA><CI>" + Number(category) + "</CI></CA>").Ok());
    EXPECT_TRUE(ann.Send("DC", "garden", "<CA><CI>" + Number(category) + "</CI></CA>").Ok());
    // Changing what is gone is refused.
    EXPECT_EQ(ann.Send("EP", "garden", EntryFields(entry, 0, "x", "", "")).Refusal(), "Error: This picture is deleted or doesn't exist");
    EXPECT_EQ(ann.Send("EC", "garden", "<CA><CI>" + Number(category) + "</CI><NM>x</NM></CA>").Refusal(),
        "Error: This category is deleted or doesn't exist");
}

TEST_F(GardenWithStranger, CategoriesAddRenameAndTheirEntries)
{
    // Adding a name the blog has already gives that category back (a
    // device retrying after a lost answer).
    Answer again = ann.Send("AC", "garden", "<CA><NM>ROSES</NM></CA>");
    EXPECT_EQ(again.Value("CI"), Number(category));
    std::uint32_t tulips = ann.AddCategory("garden", "Tulips");
    EXPECT_NE(tulips, category);
    EXPECT_EQ(ann.Send("EC", "garden", "<CA><CI>" + Number(tulips) + "</CI><NM>roses</NM></CA>").Refusal(), "Error: Category already used");
    Answer renamed = ann.Send("EC", "garden", "<CA><CI>" + Number(tulips) + "</CI><NM>Tulips &amp; more</NM></CA>");
    EXPECT_EQ(renamed.Value("CI"), Number(tulips));

    // An entry filed under a category that is gone (or a device's own id)
    // is taken as unfiled rather than refused.
    ASSERT_TRUE(ann.Send("DC", "garden", "<CA><CI>" + Number(category) + "</CI></CA>").Ok());
    std::uint32_t late = ann.AddEntry("garden", "late", jpeg, category);
    std::uint32_t local = ann.AddEntry("garden", "local", jpeg, 0xFFFFFF05u);
    for (auto& record : ann.GetChanges("garden").Records("PI")) {
        if (record["ID"] == Number(late) || record["ID"] == Number(local) || record["ID"] == Number(entry)) {
            EXPECT_EQ(record["CI"], "0") << record["ID"];
        }
    }
}

TEST(Quota, FreeAccountsStopAtTheirPhotoLimit)
{
    ServiceUnderTest service;
    Device ann(service, service.AddUser("ann@example.com", "secret", { "--quota", "2" }));
    Device bob(service, service.AddUser("bob@example.com"));
    ann.CreateBlog("garden");
    std::string jpeg = TestJpeg(16, 16);
    ann.AddEntry("garden", "one", jpeg);
    std::uint32_t two = ann.AddEntry("garden", "two", jpeg);
    EXPECT_EQ(ann.Send("AP", "garden", EntryFields(std::nullopt, 0, "three", "", jpeg)).Refusal(), "Error: Your Picture limit is over");
    // A group blog's photos count against its owner.
    ASSERT_EQ(service.Admin({ "set-group", "garden", "on" }), 0);
    ASSERT_EQ(service.Admin({ "add-member", "garden", "bob@example.com" }), 0);
    EXPECT_EQ(bob.Send("AP", "garden", EntryFields(std::nullopt, 0, "bob's", "", jpeg)).Refusal(), "Error: Your Picture limit is over");
    // A deleted photo frees its place.
    ASSERT_TRUE(ann.Send("DP", "garden", "<PI><ID>" + std::to_string(two) + "</ID></PI>").Ok());
    EXPECT_TRUE(bob.Send("AP", "garden", EntryFields(std::nullopt, 0, "bob's", "", jpeg)).Ok());

    Device pro(service, service.AddUser("pro@example.com", "secret", { "--pro", "--quota", "1" }));
    pro.CreateBlog("unlimited");
    for (int i = 0; i < 3; ++i)
        pro.AddEntry("unlimited", "p", jpeg);
}

TEST(Outbox, PhotoEmailAndRemoteBlogAreKeptNotSent)
{
    ServiceUnderTest service;
    Device ann(service, service.AddUser("ann@example.com"));
    ann.CreateBlog("garden");
    std::uint32_t entry = ann.AddEntry("garden", "rose", TestJpeg(16, 16));
    ASSERT_EQ(service.Admin({ "add-remote-blog", "ann@example.com", "Elsewhere" }), 0);

    Answer mail = ann.Send("PhotoEMail", "garden",
        "<CI>0</CI><ID>" + std::to_string(entry) + "</ID><RS><RP>joe@example.com</RP><RP>sue@example.com</RP></RS><MG>Look &amp; see</MG>");
    EXPECT_TRUE(mail.Ok()) << mail.body;
    EXPECT_EQ(ann.Send("PhotoEMail", "garden", "<CI>0</CI><ID /><RS><RP>not-an-address</RP></RS><MG></MG>").Refusal(),
        "Error: A recipient is not a valid e-mail address");
    EXPECT_EQ(ann.Send("PhotoEMail", "garden", "<CI>0</CI><ID>999</ID><RS><RP>joe@example.com</RP></RS><MG></MG>").Refusal(),
        "Error: This picture is deleted or doesn't exist");

    EXPECT_TRUE(ann.Send("RemoteBlog", "garden", "<CI>0</CI><ID>" + std::to_string(entry) + "</ID><RB>Elsewhere</RB><TI>t</TI><CP>c</CP>").Ok());
    EXPECT_EQ(ann.Send("RemoteBlog", "garden", "<CI>0</CI><ID /><RB>Unknown</RB><TI></TI><CP></CP>").Refusal(),
        "Error: A connection to your blog could not be made so the photo is not posted");

    std::string outbox;
    ASSERT_EQ(service.Admin({ "list-outbox" }, &outbox), 0);
    EXPECT_NE(outbox.find("email"), std::string::npos);
    EXPECT_NE(outbox.find("to=joe@example.com,sue@example.com message=Look & see"), std::string::npos) << outbox;
    EXPECT_NE(outbox.find("remote-blog=Elsewhere"), std::string::npos) << outbox;
}
