// The request parser on its own: each action's fields, and the envelopes
// it turns away.

#include "ServerTestKit.h"

#include "server/soap/RequestParser.h"

#include <gtest/gtest.h>

namespace {

std::string Wrap(const std::string& action, const std::string& inner)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?><soap:Envelope xmlns:soap=\"http://schemas.xmlsoap.org/soap/envelope/\"><soap:Body><" + action
        + " xmlns=\"http://h/ws\"><RQ><" + action + "><RQ><V>3</V>" + inner + "</RQ></" + action + "></RQ></" + action
        + "></soap:Body></soap:Envelope>\r\n";
}

const std::string Auth = "<AU><UN>a&b@x</UN><DI>ZGln</DI><CR>2006-07-01T10:00:00Z</CR><NO>n1</NO></AU><BI>garden</BI>";

ServiceRequest Parsed(const std::string& body)
{
    auto parsed = ParseServiceRequest(body);
    if (auto* malformed = std::get_if<MalformedRequest>(&parsed))
        ADD_FAILURE() << malformed->reason << " in " << body;
    return std::holds_alternative<ServiceRequest>(parsed) ? std::get<ServiceRequest>(parsed) : ServiceRequest {};
}

std::string Refused(const std::string& body)
{
    auto parsed = ParseServiceRequest(body);
    auto* malformed = std::get_if<MalformedRequest>(&parsed);
    return malformed ? malformed->reason : "(accepted)";
}

}

TEST(RequestParser, ReadsTheHeaderAndEachActionsFields)
{
    // An "&" left unescaped in a user name is taken as text, as the devices
    // send it; an unknown user can't log in with it anyway.
    ServiceRequest request = Parsed(Wrap("EP",
        Auth + "<PI><ID>7</ID><CI>3</CI><TI>T &amp; &#x9;</TI><CP><![CDATA[<raw>]]></CP><PD>2006-07-01T12:00:00+0200</PD><TD>2006-07-01T11:00:00+0200</TD></PI>"));
    EXPECT_EQ(request.action, "EP");
    EXPECT_EQ(request.version, "3");
    ASSERT_TRUE(request.credentials);
    EXPECT_EQ(request.credentials->email, "a&b@x");
    EXPECT_EQ(request.credentials->created, "2006-07-01T10:00:00Z");
    EXPECT_EQ(request.blogName, "garden");
    auto& entry = std::get<StoreEntryRequest>(request.body);
    EXPECT_EQ(entry.id, 7u);
    EXPECT_EQ(entry.categoryId, 3u);
    EXPECT_EQ(entry.title, "T & \t");
    EXPECT_EQ(entry.caption, "<raw>");
    EXPECT_EQ(entry.posted, 1151748000);
    EXPECT_EQ(entry.taken, 1151744400);

    ServiceRequest changes = Parsed(Wrap("GC", "<AU /><BI>garden</BI><TS /><VP /><MX>25</MX>"));
    EXPECT_FALSE(changes.credentials);
    auto& gc = std::get<GetChangesRequest>(changes.body);
    EXPECT_FALSE(gc.since);
    EXPECT_FALSE(gc.viewer);
    EXPECT_EQ(gc.maxEntries, 25u);
    auto incremental = std::get<GetChangesRequest>(Parsed(Wrap("GC", Auth + "<TS>2006-07-01T10:00:00Z</TS><VP><DI>x</DI><CR>c</CR><NO>n</NO></VP><MX />")).body);
    EXPECT_EQ(incremental.since, 1151748000);
    ASSERT_TRUE(incremental.viewer);
    EXPECT_FALSE(incremental.maxEntries);

    auto subscriptions = std::get<EditSubscriptionsRequest>(Parsed(Wrap("EU", Auth + "<EU><SL><SU>one</SU><SU>two</SU></SL></EU>")).body);
    EXPECT_EQ(subscriptions.blogNames, (std::vector<std::string> { "one", "two" }));
    auto email = std::get<PhotoEmailRequest>(Parsed(Wrap("PhotoEMail", Auth + "<CI>1</CI><ID /><RS><RP>x@y</RP></RS><MG>hi</MG>")).body);
    EXPECT_EQ(email.entryId, 0u);
    EXPECT_EQ(email.recipients, (std::vector<std::string> { "x@y" }));
    auto account = std::get<CreateAccountRequest>(Parsed(Wrap("CreateAccount", "<EMail>a@b</EMail><Password>p&amp;w</Password><FirstName></FirstName><LastName />")).body);
    EXPECT_EQ(account.password, "p&w");
    auto blog = std::get<CreateBlogRequest>(Parsed(Wrap("CreateBlog", Auth + "<BlogURL>b</BlogURL><Title>t</Title><Subtitle /><Visibility>hidden</Visibility>")).body);
    EXPECT_TRUE(blog.hidden);
    // Values are cut to what devices read back whole.
    auto category = std::get<StoreCategoryRequest>(Parsed(Wrap("AC", Auth + "<CA><NM>" + std::string(300, 'n') + "</NM></CA>")).body);
    EXPECT_EQ(category.name.size(), 127u);
}

TEST(RequestParser, TurnsAwayWhatNoDeviceSends)
{
    EXPECT_EQ(Refused("").rfind("the XML is not well formed", 0), 0u);
    EXPECT_EQ(Refused("<a><b></a>").rfind("the XML is not well formed", 0), 0u);
    EXPECT_EQ(Refused("<notsoap/>"), "the document is not a SOAP envelope");
    EXPECT_EQ(Refused("<soap:Envelope xmlns:soap=\"s\"></soap:Envelope>"), "the envelope has no body");
    EXPECT_EQ(Refused(Wrap("XX", Auth)), "unknown action XX");
    EXPECT_EQ(Refused("<s:Envelope xmlns:s=\"s\"><s:Body><GU><RQ><V>3</V></RQ></GU></s:Body></s:Envelope>"),
        "the action GU lacks its RQ, GU, RQ nesting");
    EXPECT_EQ(Refused(Wrap("GU", "")), "the element AU is missing");
    EXPECT_EQ(Refused(Wrap("DP", Auth + "<PI><ID>12x</ID></PI>")), "the element ID is not a number");
    EXPECT_EQ(Refused(Wrap("DP", Auth + "<PI><ID>4294967296</ID></PI>")), "the number in ID is too large");
    EXPECT_EQ(Refused(Wrap("DP", Auth + "<PI><ID>99999999999999999999999</ID></PI>")), "the element ID is not a number");
    EXPECT_EQ(Refused(Wrap("DP", Auth + "<PI><ID></ID></PI>")), "the element ID is empty");
    EXPECT_EQ(Refused(Wrap("GC", Auth + "<TS>yesterday</TS><VP /><MX />")), "the element TS is not a time");
    EXPECT_EQ(Refused(Wrap("AC", Auth + "<CA><NM><b>bold</b></NM></CA>")), "the element NM holds markup instead of text");
    EXPECT_EQ(Refused(Wrap("AC", Auth + "<CA><NM></NM></CA>")), "the category has no name");
    EXPECT_EQ(Refused(Wrap("AC", Auth + "<CA><NM>\xC3\x28</NM></CA>")), "the text of NM is not UTF-8");
    EXPECT_EQ(Refused(Wrap("AP",
                  Auth + "<PI><CI>0</CI><TI /><CP /><PD>2006-07-01T10:00:00Z</PD><TD>2006-07-01T10:00:00Z</TD><JP>!!</JP></PI>")),
        "the photo is not base64");
    // A document type, and with it any entity of one, is refused.
    EXPECT_EQ(Refused("<!DOCTYPE x [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;\">]>" + Wrap("GU", Auth).substr(38)),
        "a document type declaration is not allowed");
}
