// Changes responses no honest service sends: each must merge what it can,
// never crash or hang, and never split a character.

#include "ServiceTestBench.h"
#include "service/ChangesResponse.h"
#include "service/ResponseFields.h"
#include "support/TemporaryFolder.h"
#include "transport/ReadOnlyMemoryStream.h"
#include "transport/StreamFactories.h"

#include <cstdio>

namespace {

using Response = ChangesResponseBuilder;

class HostileResponse : public ServiceTest {
protected:
    ErrorCode Process(std::string_view body, bool fullRefresh = false)
    {
        ReadOnlyMemoryStream stream(body);
        auto result = ProcessChangesResponse(stream, { *store, http, fullRefresh });
        timestamp = result.IsError() ? 0 : result->time;
        return result.GetError();
    }

    ProgramTime timestamp { 0 };
};

// An entry record with every field, its title as given.
std::string EntryRecord(std::string_view id, std::string_view title, std::string_view category = "1")
{
    return "<PI D=\"false\"><CI>" + std::string(category) + "</CI><UI>2</UI><ID>" + std::string(id) + "</ID><TI>" + std::string(title)
        + "</TI><CP>c</CP><BY>b</BY><OU>o</OU><PU>p</PU><TU>t</TU><PD>2006-07-03T08:00:00Z</PD><TD>2006-07-03T08:00:00Z</TD></PI>";
}

}

TEST(SplitCharacters, AValueNeverEndsInsideACharacter)
{
    EXPECT_EQ(LengthWithoutSplitCharacter("abc"), 3u);
    EXPECT_EQ(LengthWithoutSplitCharacter("ab\xC3"), 2u);
    EXPECT_EQ(LengthWithoutSplitCharacter("ab\xC3\xA9"), 4u);
    EXPECT_EQ(LengthWithoutSplitCharacter("a\xE2\x82"), 1u);
    EXPECT_EQ(LengthWithoutSplitCharacter("a\xE2\x82\xAC"), 4u);
    EXPECT_EQ(LengthWithoutSplitCharacter("a\xF0\x9F\x98"), 1u);
    EXPECT_EQ(LengthWithoutSplitCharacter("a\xF0\x9F\x98\x80"), 5u);
    EXPECT_EQ(LengthWithoutSplitCharacter("\x80\x80\x80\x80"), 4u) << "no character starts here: nothing to cut";
    EXPECT_EQ(LengthWithoutSplitCharacter(""), 0u);
}

TEST_F(HostileResponse, LongValuesAreCutToTheirBuffersAndToWholeCharacters)
{
    std::string title;
    for (int i = 0; i < 100; ++i)
        title += "é";
    std::string caption(9000, 'c');
    Response response;
    response.Add(Response::Entry { .id = 5, .title = title, .caption = caption, .posterName = std::string(100, 'p') });
    ASSERT_EQ(Process(response.Text()), Error::Success);
    BlogEntry* entry = store->FindEntryByServerId(5);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->GetTitle(), title.substr(0, 126)) << "127 bytes would split the 64th character";
    EXPECT_EQ(entry->GetCaption(), caption.substr(0, 7999));
}

TEST_F(HostileResponse, ASectionLeftOutDoesNotHideTheOnesAfterIt)
{
    std::string body = "<TS>2006-07-03T08:00:00Z</TS><OS><OM D=\"f\"><OI>7</OI><ID>5</ID><UI>1</UI><BY>x</BY><OD>2006-07-03T08:00:00Z</OD>"
                       "<OT>hi</OT></OM></OS>";
    ASSERT_EQ(Process(body), Error::Success);
    EXPECT_TRUE(store->FindCommentById(7));
    EXPECT_NE(timestamp, 0u);

    ASSERT_EQ(Process("<BS /><CS /><PS /><OS />"), Error::Success);
    ASSERT_EQ(Process("<PS></PS><OS><OM D=\"f\"><OI>8</OI><ID>5</ID></OM></OS>"), Error::Success);
    EXPECT_TRUE(store->FindCommentById(8));
}

TEST_F(HostileResponse, AResponseCutAnywhereMergesWhatItHolds)
{
    Response response;
    response.Timestamp("2006-07-03T08:00:00Z")
        .Add(Response::Blog {})
        .Add(Response::Category { 31, "Beach", "u" })
        .Add(Response::Entry { .id = 5, .categoryId = 31, .title = "Sunset & sea" })
        .Add(Response::Comment { .id = 7, .entryId = 5, .text = "Lovely" });
    std::string whole = response.Text();
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        store = std::make_unique<CWinBlogStorage>(device.Path("data"), "cut");
        ASSERT_EQ(Process(std::string_view(whole).substr(0, length), length % 2 == 0), Error::Success) << length;
        for (auto& entry : store->GetEntries())
            EXPECT_NE(entry->GetServerId(), 0u);
    }
    EXPECT_TRUE(store->FindEntryByServerId(5));
    EXPECT_EQ(store->FindEntryByServerId(5)->GetTitle(), "Sunset & sea");
}

TEST_F(HostileResponse, ValuesAndEntitiesThatNeverCloseEndAtTheEnd)
{
    ASSERT_EQ(Process("<PS><PI D=\"f\"><CI>1</CI><UI>2</UI><ID>5</ID><TI>Unclosed &amp"), Error::Success);
    ASSERT_TRUE(store->FindEntryByServerId(5));
    EXPECT_EQ(store->FindEntryByServerId(5)->GetTitle(), "Unclosed &amp");
    ASSERT_EQ(Process("<PS><PI D=\"f\"><CI>1</CI><UI>2</UI><ID>6</ID><TI>x&lt;y&#x9</PS>"), Error::Success);
    EXPECT_EQ(store->FindEntryByServerId(6)->GetTitle(), "x<y&#x9");
    ASSERT_EQ(Process("<PS><PI D=\"tr"), Error::Success);
}

TEST_F(HostileResponse, NumbersOutOfRangeNeverNameDeviceRecords)
{
    store->InsertCategory(MakeCategory(*store, 4294967040u, "Made here", true));
    std::string body = "<CS><CA D=\"f\"><CI>4294967040</CI><NM>Taken over</NM><UR>u</UR></CA>"
                       "<CA D=\"f\"><CI>4294967295</CI><NM>All</NM><UR>u</UR></CA></CS>"
                       "<PS>"
        + EntryRecord("99999999999", "wrapped") + EntryRecord("6", "filed", "4294967295") + "</PS>";
    ASSERT_EQ(Process(body), Error::Success);
    ASSERT_EQ(store->GetCategoryCount(), 1u);
    EXPECT_EQ(store->GetCategoryAt(0)->GetName(), "Made here");
    EXPECT_TRUE(store->GetCategoryAt(0)->IsModified());
    EXPECT_TRUE(store->FindEntryByServerId(static_cast<std::uint32_t>(99999999999ull)));
    ASSERT_TRUE(store->FindEntryByServerId(6));
    EXPECT_EQ(store->FindEntryByServerId(6)->GetCategoryId(), 0u) << "filed as Unfiled";
}

TEST_F(HostileResponse, FieldsOutOfOrderArePassedOver)
{
    std::string body = "<PS><PI D=\"f\"><TD>2006-01-01T00:00:00Z</TD><TI>late</TI><ID>5</ID><CI>3</CI></PI></PS>"
                       "<OS><OM D=\"f\"><OT>text first</OT><OI>7</OI></OM></OS>";
    ASSERT_EQ(Process(body), Error::Success);
    // The entry's id was searched after its category, which came last: no
    // entry; the comment's fields ran on past the response.
    EXPECT_TRUE(store->GetEntries().IsEmpty());
    EXPECT_EQ(store->GetComments().GetSize(), 0u);
}

TEST_F(HostileResponse, ManyRecordsWithOneIdMakeOneEntry)
{
    std::string body = "<PS>";
    for (int i = 0; i < 20000; ++i)
        body += EntryRecord("5", "again " + std::to_string(i));
    body += "</PS>";
    ASSERT_EQ(Process(body), Error::Success);
    ASSERT_EQ(store->GetEntries().GetSize(), 1u);
    EXPECT_EQ(store->FindEntryByServerId(5)->GetTitle(), "again 19999");
}

TEST_F(HostileResponse, ManyRecordsInTheOtherOrderTakeTheirPlacesInOnePass)
{
    // Put in place one at a time, 200,000 comments newest first would move
    // the whole list for each: minutes. Merged at the end: a moment.
    store->InsertComment(MakeComment(*store, 5, 1, "held", 4000000000u, false));
    store->InsertCategory(MakeCategory(*store, 1, "m held", false));
    std::string body = "<CS>";
    for (int i = 20000; i > 1; --i) {
        char name[16];
        std::snprintf(name, sizeof name, "c%05d", i);
        body += "<CA D=\"f\"><CI>" + std::to_string(i) + "</CI><NM>" + name + "</NM><UR>u</UR></CA>";
    }
    body += "</CS><OS>";
    for (int i = 200000; i > 1; --i) {
        ProgramTime date = ProgramTimeFromUnixTime(1000000000 + i);
        body += "<OM D=\"f\"><OI>" + std::to_string(i) + "</OI><ID>5</ID><UI>1</UI><BY>x</BY><OD>" + http.FormatTime(date, true)
            + "</OD><OT>t</OT></OM>";
    }
    body += "</OS>";
    ASSERT_EQ(Process(body), Error::Success);
    ASSERT_EQ(store->GetComments().GetSize(), 200000u);
    ASSERT_EQ(store->GetCategories().GetSize(), 20000u);
    for (size_t i = 1; i < store->GetComments().GetSize(); ++i)
        ASSERT_LE(store->GetComments().GetAt(i - 1)->GetDate(), store->GetComments().GetAt(i)->GetDate()) << i;
    for (size_t i = 1; i < store->GetCategories().GetSize(); ++i)
        ASSERT_LT(store->GetCategories().GetAt(i - 1)->GetName(), store->GetCategories().GetAt(i)->GetName()) << i;
    EXPECT_EQ(store->GetComments().GetAt(0)->GetCommentId(), 2u);
    EXPECT_EQ(store->GetComments().GetAt(199999)->GetCommentId(), 1u) << "the held comment is the newest";
    EXPECT_EQ(store->FindCategoryById(1)->GetName(), "m held");
}

TEST_F(HostileResponse, AFullRefreshOfGarbageSweepsOnlyWhatIsGone)
{
    store->InsertEntry(MakeEntry(*store, 1, "Published", 10, false));
    store->InsertEntry(MakeEntry(*store, 0, "Not yet sent", 20, true));
    ASSERT_EQ(Process("\x01\xFF garbage <<<PS <PI", true), Error::Success);
    ASSERT_EQ(store->GetEntries().GetSize(), 1u);
    EXPECT_EQ(store->GetEntries().GetAt(0)->GetTitle(), "Not yet sent");
}

TEST_F(HostileResponse, ATemporaryFileStreamReadsAcrossItsBlocks)
{
    Response response;
    for (std::uint32_t id = 1; id <= 300; ++id)
        response.Add(Response::Entry { .id = id, .title = "Entry " + std::to_string(id), .caption = std::string(50, 'x') });
    std::string text = response.Text();
    auto file = CreateTempStream();
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->Write(text.data(), static_cast<std::uint32_t>(text.size())));
    ASSERT_TRUE(file->Seek(0));
    auto result = ProcessChangesResponse(*file, { *store, http, false });
    ASSERT_FALSE(result.IsError());
    EXPECT_EQ(store->GetEntries().GetSize(), 300u);
    EXPECT_EQ(store->FindEntryByServerId(300)->GetTitle(), "Entry 300");
}
