// The changes feed ("GC") through real HTTP: a full listing, what changed
// since a stamp (deletions included), the order every record's fields come
// in, the view password of a protected blog and the time a stamp stays
// good.

#include "ServerTestKit.h"

#include <gtest/gtest.h>

namespace {

// Every tag of the record in the order devices scan for them, each found
// after the one before, all before the record ends.
void ExpectFieldOrder(const std::string& body, const std::string& record, const std::vector<std::string>& tags)
{
    size_t start = body.find("<" + record + " D=\"");
    ASSERT_NE(start, std::string::npos) << record << " in " << body;
    size_t end = body.find("</" + record + ">", start);
    size_t at = start;
    for (const std::string& tag : tags) {
        size_t next = body.find(tag, at);
        ASSERT_LT(next, end) << tag << " of " << record << " in " << body.substr(start, end - start);
        at = next + tag.size();
    }
}

std::vector<std::string> Ids(const Answer& answer, const std::string& record, const std::string& field)
{
    std::vector<std::string> ids;
    for (auto& r : answer.Records(record))
        ids.push_back(r[field] + (r["D"] == "true" ? "-deleted" : ""));
    return ids;
}

}

TEST(Changes, FullListingWithEveryFieldInOrder)
{
    ServiceUnderTest service;
    Device ann(service, service.AddUser("ann@example.com"));
    ann.CreateBlog("garden", "Ann's garden");
    std::uint32_t roses = ann.AddCategory("garden", "Roses & <Tulips>");
    std::string jpeg = TestJpeg(64, 48);
    std::uint32_t first = ann.AddEntry("garden", "First", jpeg, roses, "line one\nline two\ttabbed \"quoted\" 'single'");
    std::uint32_t second = ann.AddEntry("garden", "Second", jpeg);
    std::uint32_t comment = ann.AddComment("garden", first, "Lovely & <bright>");

    Answer changes = ann.GetChanges("garden");
    ASSERT_TRUE(changes.Ok()) << changes.body;
    // The sections in the order devices read them.
    size_t ts = changes.body.find("<TS>"), bs = changes.body.find("<BS>"), cs = changes.body.find("<CS>"), ps = changes.body.find("<PS>"),
           os = changes.body.find("<OS>");
    EXPECT_TRUE(ts < bs && bs < cs && cs < ps && ps < os) << changes.body;
    size_t at = changes.body.find("<BL>");
    for (std::string tag : { "<BT>", "<ST>", "<TP>", "<VI>", "<WA>", "<CM>", "<BO>", "</BL>" }) {
        size_t next = changes.body.find(tag, at);
        EXPECT_NE(next, std::string::npos) << tag;
        at = next;
    }
    ExpectFieldOrder(changes.body, "CA", { "D=\"false\"", "<CI>", "<NM>", "<UR>" });
    ExpectFieldOrder(changes.body, "PI", { "D=\"false\"", "<CI>", "<UI>", "<ID>", "<TI>", "<CP>", "<BY>", "<OU>", "<PU>", "<TU>", "<PD>", "<TD>" });
    ExpectFieldOrder(changes.body, "OM", { "D=\"false\"", "<OI>", "<ID>", "<UI>", "<BY>", "<OD>", "<OT>" });

    auto blog = changes.Records("BL");
    ASSERT_EQ(blog.size(), 1u);
    EXPECT_EQ(blog[0]["BT"], "Ann's garden");
    EXPECT_EQ(blog[0]["TP"], "normal");
    EXPECT_EQ(blog[0]["WA"], "yes");
    EXPECT_EQ(blog[0]["CM"], "yes");
    EXPECT_EQ(blog[0]["BO"], ann.Send("GU", std::nullopt, "").Value("UI"));

    auto categories = changes.Records("CA");
    ASSERT_EQ(categories.size(), 1u);
    EXPECT_EQ(categories[0]["CI"], std::to_string(roses));
    EXPECT_EQ(categories[0]["NM"], "Roses & <Tulips>");
    EXPECT_EQ(categories[0]["UR"], "http://" + service.Host() + "/garden/?albumid=" + std::to_string(roses));

    // Newest first; times in UTC, as devices read them.
    auto entries = changes.Records("PI");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0]["ID"], std::to_string(second));
    EXPECT_EQ(entries[1]["ID"], std::to_string(first));
    EXPECT_EQ(entries[1]["CI"], std::to_string(roses));
    EXPECT_EQ(entries[1]["CP"], "line one\nline two\ttabbed \"quoted\" 'single'");
    EXPECT_EQ(entries[1]["PD"], "2006-07-01T10:00:00Z");
    EXPECT_EQ(entries[1]["TD"], "2006-07-01T09:30:00Z");
    EXPECT_EQ(entries[1]["BY"], "ann");

    auto comments = changes.Records("OM");
    ASSERT_EQ(comments.size(), 1u);
    EXPECT_EQ(comments[0]["OI"], std::to_string(comment));
    EXPECT_EQ(comments[0]["ID"], std::to_string(first));
    EXPECT_EQ(comments[0]["OT"], "Lovely & <bright>");

    // Only the eight entities devices know: no other character reference,
    // no CDATA, and the line breaks and tabs escaped.
    EXPECT_NE(changes.body.find("line one&#xA;line two&#x9;tabbed &quot;quoted&quot; &apos;single&apos;"), std::string::npos);
    EXPECT_EQ(changes.body.find("CDATA"), std::string::npos);
    for (size_t at = changes.body.find("&#"); at != std::string::npos; at = changes.body.find("&#", at + 1)) {
        std::string reference = changes.body.substr(at, changes.body.find(';', at) - at + 1);
        EXPECT_TRUE(reference == "&#x9;" || reference == "&#xA;" || reference == "&#xD;") << reference;
    }
}

TEST(Changes, FullListingHonoursTheEntryLimit)
{
    ServiceUnderTest service;
    Device ann(service, service.AddUser("ann@example.com"));
    ann.CreateBlog("garden");
    std::string jpeg = TestJpeg(32, 32);
    std::vector<std::uint32_t> ids;
    for (int i = 0; i < 5; ++i)
        ids.push_back(ann.AddEntry("garden", "entry " + std::to_string(i), jpeg));
    ann.AddComment("garden", ids[0], "on the oldest");
    ann.AddComment("garden", ids[4], "on the newest");

    Answer limited = ann.GetChanges("garden", std::nullopt, 2);
    EXPECT_EQ(Ids(limited, "PI", "ID"), (std::vector<std::string> { std::to_string(ids[4]), std::to_string(ids[3]) }));
    // Only the comments of the entries listed.
    auto comments = limited.Records("OM");
    ASSERT_EQ(comments.size(), 1u);
    EXPECT_EQ(comments[0]["OT"], "on the newest");
    EXPECT_EQ(ann.GetChanges("garden").Records("PI").size(), 5u);
}

TEST(Changes, IncrementalChangesWithDeletions)
{
    ServiceUnderTest service;
    Device ann(service, service.AddUser("ann@example.com"));
    ann.CreateBlog("garden");
    std::string jpeg = TestJpeg(32, 32);
    std::uint32_t kept = ann.AddEntry("garden", "kept", jpeg);
    std::uint32_t gone = ann.AddEntry("garden", "gone", jpeg);
    std::uint32_t doomed = ann.AddCategory("garden", "Doomed");
    std::uint32_t comment = ann.AddComment("garden", kept, "first comment");
    service.AdvanceClock(10);

    Answer full = ann.GetChanges("garden");
    std::string stamp = full.Value("TS");
    ASSERT_FALSE(stamp.empty());
    service.AdvanceClock(10);

    // Nothing changed: nothing but the blog's settings comes. (A change in
    // the very second of the stamp would come again: stamps are seconds,
    // and the feed sends that second once more rather than miss it.)
    Answer quiet = ann.GetChanges("garden", stamp);
    ASSERT_TRUE(quiet.Ok()) << quiet.body;
    EXPECT_TRUE(quiet.Records("PI").empty());
    EXPECT_EQ(quiet.Records("BL").size(), 1u);
    stamp = quiet.Value("TS");
    service.AdvanceClock(10);

    ASSERT_TRUE(ann.Send("DP", "garden", "<PI><ID>" + std::to_string(gone) + "</ID></PI>").Ok());
    ASSERT_TRUE(ann.Send("DC", "garden", "<CA><CI>" + std::to_string(doomed) + "</CI></CA>").Ok());
    ASSERT_TRUE(ann.Send("EO", "garden",
                       "<OM><OI>" + std::to_string(comment) + "</OI><ID>" + std::to_string(kept) + "</ID><OD>2006-07-01T10:00:00Z</OD><OT>edited</OT></OM>")
                    .Ok());
    std::uint32_t added = ann.AddEntry("garden", "added", jpeg);

    Answer changes = ann.GetChanges("garden", stamp);
    ASSERT_TRUE(changes.Ok()) << changes.body;
    auto entries = Ids(changes, "PI", "ID");
    EXPECT_EQ(entries.size(), 2u);
    EXPECT_NE(std::find(entries.begin(), entries.end(), std::to_string(gone) + "-deleted"), entries.end());
    EXPECT_NE(std::find(entries.begin(), entries.end(), std::to_string(added)), entries.end());
    // A deleted category keeps its name, which devices need to take it.
    auto categories = changes.Records("CA");
    ASSERT_EQ(categories.size(), 1u);
    EXPECT_EQ(categories[0]["D"], "true");
    EXPECT_EQ(categories[0]["NM"], "Doomed");
    auto comments = changes.Records("OM");
    ASSERT_EQ(comments.size(), 1u);
    EXPECT_EQ(comments[0]["OT"], "edited");
    // A deleted entry is written with every field, its addresses empty.
    ExpectFieldOrder(changes.body.substr(changes.body.find("<PI D=\"true\"")), "PI",
        { "D=\"true\"", "<CI>", "<UI>", "<ID>", "<TI>", "<CP>", "<BY>", "<OU>", "<PU>", "<TU>", "<PD>", "<TD>" });

    // A full listing leaves deleted records out.
    EXPECT_EQ(Ids(ann.GetChanges("garden"), "PI", "ID"), (std::vector<std::string> { std::to_string(added), std::to_string(kept) }));
}

TEST(Changes, AStampOlderThanTheDeletionsKeptIsRefused)
{
    ServiceUnderTest service;
    Device ann(service, service.AddUser("ann@example.com"));
    ann.CreateBlog("garden");
    std::string early = UtcText(service.Now() - 3600);
    // Older than the database: the device synced with another service.
    EXPECT_EQ(ann.GetChanges("garden", early).Refusal(), "Error: Invalid timestamp");
    // From the future of this service's clock.
    EXPECT_EQ(ann.GetChanges("garden", UtcText(service.Now() + 3 * 86400)).Refusal(), "Error: Invalid timestamp");
    EXPECT_EQ(ann.GetChanges("garden", "2006-13-45T99:00:00Z").status, 400);

    std::string stamp = ann.GetChanges("garden").Value("TS");
    EXPECT_TRUE(ann.GetChanges("garden", stamp).Ok());
    // Once the deletions of that time are forgotten, the stamp is too old.
    service.AdvanceClock(401 * 86400);
    EXPECT_EQ(ann.GetChanges("garden", stamp).Refusal(), "Error: Invalid timestamp");
    EXPECT_TRUE(ann.GetChanges("garden").Ok());
}

TEST(Changes, ProtectedBlogNeedsTheViewPassword)
{
    ServiceUnderTest service;
    Device ann(service, service.AddUser("ann@example.com"));
    Device bob(service, service.AddUser("bob@example.com"));
    Device stranger(service, std::nullopt);
    ann.CreateBlog("diary");
    std::uint32_t entry = ann.AddEntry("diary", "dear diary", TestJpeg(16, 16));
    ASSERT_EQ(service.Admin({ "set-view-password", "diary", "open sesame" }), 0);
    std::string comment = "<OM><ID>" + std::to_string(entry) + "</ID><OD>2006-07-01T10:00:00Z</OD><OT>hi</OT></OM>";
    std::string email = "<CI>0</CI><ID>" + std::to_string(entry) + "</ID><RS><RP>joe@example.com</RP></RS><MG></MG>";

    // Without the view password nobody comments on it or sends its photos.
    EXPECT_EQ(bob.Send("AO", "diary", comment).Refusal(), "Error: You have not permission to post a comment");
    EXPECT_EQ(bob.Send("PhotoEMail", "diary", email).Refusal(), "Error: The Blog is password protected");
    EXPECT_EQ(bob.GetChanges("diary").Refusal(), "Error: The Blog is password protected");
    EXPECT_EQ(bob.GetChanges("diary", std::nullopt, {}, "wrong").Refusal(), "Error: Enter valid viewer password");
    EXPECT_EQ(stranger.GetChanges("diary").Refusal(), "Error: The Blog is password protected");
    Answer opened = bob.GetChanges("diary", std::nullopt, {}, "open sesame");
    ASSERT_TRUE(opened.Ok()) << opened.body;
    EXPECT_EQ(opened.Records("BL")[0]["WA"], "no");
    EXPECT_EQ(opened.Records("BL")[0]["CM"], "yes");
    EXPECT_TRUE(bob.Send("AO", "diary", comment).Ok());
    EXPECT_TRUE(bob.Send("PhotoEMail", "diary", email).Ok());
    EXPECT_TRUE(stranger.GetChanges("diary", std::nullopt, {}, "open sesame").Ok());
    // The owner needs no view password.
    EXPECT_TRUE(ann.GetChanges("diary").Ok());
    // A refused read subscribes nobody.
    Device carol(service, service.AddUser("carol@example.com"));
    EXPECT_EQ(carol.GetChanges("diary", std::nullopt, {}, "wrong").Refusal(), "Error: Enter valid viewer password");
    EXPECT_EQ(carol.Send("GU", std::nullopt, "").Records("SU").size(), 0u);
    EXPECT_EQ(bob.Send("GU", std::nullopt, "").Records("SU").size(), 1u);
}

TEST(Changes, AnonymousReadAndMissingBlog)
{
    ServiceUnderTest service;
    Device ann(service, service.AddUser("ann@example.com"));
    ann.CreateBlog("garden");
    ann.AddEntry("garden", "hello", TestJpeg(16, 16));
    Device stranger(service, std::nullopt);
    Answer read = stranger.GetChanges("garden");
    ASSERT_TRUE(read.Ok()) << read.body;
    EXPECT_EQ(read.Records("PI").size(), 1u);
    EXPECT_EQ(read.Records("BL")[0]["WA"], "no");
    EXPECT_EQ(read.Records("BL")[0]["CM"], "no"); // comments need an account
    EXPECT_EQ(stranger.GetChanges("nothere").Refusal(), "Error: A blog doesn't exist");
}
