// How a response is judged: transport failures, HTTP statuses, the
// server's error texts and what the user is shown for each.

#include "ProgressRecorder.h"
#include "ServiceTestBench.h"
#include "app/ErrorTable.h"
#include "service/ServerErrorText.h"
#include "service/ServerErrors.h"
#include "transport/ReadOnlyMemoryStream.h"
#include "platform/CodePage.h"
#include "app/Preferences.h"

namespace {

class ServerErrors : public ServiceTest {
protected:
    // The code the service makes of a "GU" answered with this error text.
    ServiceReply UserInfoAnsweredWith(std::string_view text)
    {
        Answer(ErrorReply("GU", text));
        return service.RequestUserInfo(recorder.Callback, &recorder);
    }

    ProgressRecorder recorder;
};

}

TEST_F(ServerErrors, EachTextIsItsCodeWhateverItsCase)
{
    // Each text of the list, as the server sends it and in capitals: a
    // changes request answers the code as it came.
    auto texts = ServerErrorTexts();
    ASSERT_EQ(texts.size(), 26u);
    for (std::size_t position = 0; position < texts.size(); ++position) {
        if (texts[position].empty())
            continue;
        std::string shouting(texts[position]);
        for (char& c : shouting)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        ErrorCode expected = 8000 + static_cast<ErrorCode>(position);
        for (const std::string& text : { std::string(texts[position]), shouting }) {
            Answer(ErrorReply("GC", text));
            ServiceReply reply = service.RequestChanges(nullptr, nullptr);
            EXPECT_EQ(reply.Code(), expected) << text;
            EXPECT_TRUE(reply.IsServerError());
            EXPECT_EQ(service.GetServerErrorText(), text);
        }
    }
    // The list's places are the wire protocol.
    EXPECT_EQ(ServerErrorCodeForText("error: invalid version"), 8000u);
    EXPECT_EQ(ServerErrorCodeForText("Error: You have not permission to add a picture"), 8013u);
    EXPECT_EQ(ServerErrorCodeForText("Error: Enter valid viewer password"), 8023u);
    EXPECT_EQ(ServerErrorCodeForText("Error: A connection to your blog could not be made so the photo is not posted"), 8025u);
    EXPECT_EQ(ServerErrorCodeForText("Error: Something new"), 65535u);
    EXPECT_EQ(ServerErrorCodeForText("Error: Invalid Version "), 65535u) << "the whole text must match";
    EXPECT_TRUE(device.Interaction().ShownMessages().empty());
}

TEST_F(ServerErrors, AServerErrorIsShownOnceWithAFullStopAndAnswers10201)
{
    ServiceReply reply = UserInfoAnsweredWith("ERROR: INVALID AUTHENTICATION");
    EXPECT_EQ(reply.Code(), 10201u);
    EXPECT_TRUE(reply.IsServerError());
    EXPECT_EQ(service.GetServerErrorText(), "ERROR: INVALID AUTHENTICATION");
    ASSERT_EQ(device.Interaction().ShownMessages().size(), 1u);
    EXPECT_EQ(device.Interaction().ShownMessages()[0].text, ErrorText(8001)) << "the text ends with a full stop already";
    EXPECT_EQ(device.Interaction().ShownMessages()[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(recorder.reports.empty()) << "the server explained it: no error report";
}

TEST_F(ServerErrors, MessagesWithoutAFullStopGetOne)
{
    EXPECT_EQ(UserInfoAnsweredWith("Error: Invalid timestamp").Code(), 10201u);
    EXPECT_EQ(ShownTexts(device.Interaction()), (std::vector<std::string> { "Timestamp updated.  Please sync again." }));
}

TEST_F(ServerErrors, CodesWithoutAMessageShowTheServersOwnText)
{
    EXPECT_EQ(UserInfoAnsweredWith("Error: A category is deleted or doesn't exist").Code(), 10201u);
    EXPECT_EQ(UserInfoAnsweredWith("Error: This picture is deleted or doesn't exist").Code(), 10201u);
    EXPECT_EQ(ShownTexts(device.Interaction()), (std::vector<std::string> {
                                                    "Error: A category is deleted or doesn't exist.",
                                                    "Error: This picture is deleted or doesn't exist.",
                                                }));
}

TEST_F(ServerErrors, AnUnknownTextIs65535FromTheServer)
{
    ServiceReply reply = UserInfoAnsweredWith("Error: The moon is in the way");
    EXPECT_EQ(reply.Code(), 10201u);
    EXPECT_EQ(ShownTexts(device.Interaction()), (std::vector<std::string> { "An unknown error occurred (65535)." }));

    // Unreported, as "GC" answers it, the code itself shows.
    Answer(ErrorReply("GC", "Error: The moon is in the way"));
    ServiceReply changes = service.RequestChanges(nullptr, nullptr);
    EXPECT_EQ(changes.Code(), 65535u);
    EXPECT_TRUE(changes.IsServerError());
}

TEST_F(ServerErrors, AMessageElementWithoutTextIsNoError)
{
    Answer(ChangesResponseBuilder::Envelope("GU", "<MS /><UI>77</UI>"));
    EXPECT_TRUE(service.RequestUserInfo(nullptr, nullptr).IsSuccess());
    Answer(ChangesResponseBuilder::Envelope("GU", "<MS></MS><UI>77</UI>"));
    EXPECT_TRUE(service.RequestUserInfo(nullptr, nullptr).IsSuccess());
    EXPECT_TRUE(device.Interaction().ShownMessages().empty());
}

TEST_F(ServerErrors, ThePictureLimitOfSomeoneElsesGroupBlogIsTheGroupsLimit)
{
    auto entry = MakeEntry(*store, 9001, "Edited", 100, true);
    entry->SetPosterId(kUserId);
    Answer(ErrorReply("EP", "Error: Your Picture limit is over"));
    store->GetBlogInfo().SetOwnerId(kUserId);
    store->GetBlogInfo().SetGroupBlog(1);
    ErrorCode code = 0;
    std::string body = ErrorReply("EP", "Error: Your Picture limit is over");
    ReadOnlyMemoryStream own(body);
    EXPECT_TRUE(service.CheckServerError(own, code));
    EXPECT_EQ(code, 8008u) << "the user's own group blog";

    store->GetBlogInfo().SetOwnerId(12);
    code = 0;
    ReadOnlyMemoryStream others(body);
    EXPECT_TRUE(service.CheckServerError(others, code));
    EXPECT_EQ(code, 8024u);

    store->GetBlogInfo().SetGroupBlog(0);
    code = 0;
    ReadOnlyMemoryStream notGroup(body);
    EXPECT_TRUE(service.CheckServerError(notGroup, code));
    EXPECT_EQ(code, 8008u) << "a blog of one owner";

    store->GetBlogInfo().SetGroupBlog(1);
    EXPECT_EQ(service.SendEntry(*entry, nullptr, nullptr).Code(), 10201u);
    EXPECT_EQ(ShownTexts(device.Interaction()),
        (std::vector<std::string> { "Your photos were not uploaded because this group blog has reached its photo limit." }));
}

TEST_F(ServerErrors, ACodeAlreadySetIsLeftAndTheBodyNotRead)
{
    std::string body = ErrorReply("GU", "Error: Invalid Version");
    ReadOnlyMemoryStream stream(body);
    ErrorCode code = 500;
    EXPECT_FALSE(service.CheckServerError(stream, code));
    EXPECT_EQ(code, 500u);
    EXPECT_EQ(stream.GetPosition(), 0u);
}

TEST_F(ServerErrors, AnHttpStatusIsTheCodeWithoutLookingAtTheBody)
{
    AnswerWith(HttpTestServer::WithStatus(500, "Internal Server Error", ErrorReply("GU", "Error: Invalid Version")));
    ServiceReply reply = service.RequestUserInfo(recorder.Callback, &recorder);
    EXPECT_EQ(reply.Code(), 500u);
    EXPECT_FALSE(reply.IsServerError());
    EXPECT_TRUE(device.Interaction().ShownMessages().empty()) << "the caller shows transport failures";
    ASSERT_EQ(recorder.reports.size(), 1u);
    EXPECT_EQ(recorder.reports[0].step, ProgressStep::ErrorReport);
    EXPECT_EQ(recorder.reports[0].code, 500u);
    EXPECT_TRUE(recorder.reports[0].hadResponse);
    EXPECT_TRUE(service.GetServerErrorText().empty());
}

TEST_F(ServerErrors, ASuccessWithoutMessageIsZero)
{
    Answer(ChangesResponseBuilder::Envelope("GU", "<UI>77</UI>"));
    ServiceReply reply = service.RequestUserInfo(recorder.Callback, &recorder);
    EXPECT_TRUE(reply.IsSuccess());
    ASSERT_TRUE(reply.Body());
    EXPECT_TRUE(recorder.reports.empty());
}

TEST_F(ServerErrors, AServiceThatCannotBeReachedIsATransportCode)
{
    std::string host;
    {
        HttpTestServer gone;
        host = gone.HostText();
    }
    ASSERT_TRUE(WriteServiceHost(Utf8ToUtf16(host)));
    ServiceReply reply = service.RequestUserInfo(recorder.Callback, &recorder);
    EXPECT_EQ(reply.Code(), 4619u);
    EXPECT_FALSE(reply.IsServerError());
    ASSERT_EQ(recorder.reports.size(), 1u);
    EXPECT_EQ(recorder.reports[0].code, 4619u);
    EXPECT_TRUE(device.Interaction().ShownMessages().empty());
}

TEST_F(ServerErrors, ACancelDuringTheRequestEndsItWith1223)
{
    std::string big(100000, 'x');
    AnswerWith(HttpTestServer::Stalled(big, 1000));
    recorder.cancelAfterPolls = 40;
    ServiceReply reply = service.RequestUserInfo(recorder.Callback, &recorder);
    EXPECT_EQ(reply.Code(), 1223u);
    EXPECT_FALSE(reply.IsServerError());
    EXPECT_TRUE(device.Interaction().ShownMessages().empty());
}

TEST_F(ServerErrors, TheProgressWindowsCancelEndsTheRequest)
{
    AnswerWith(HttpTestServer::Stalled(std::string(100000, 'x'), 1000));
    auto window = device.Interaction().OpenProgressWindow(3, false);
    ProgressWindowCallback progress(window.get(), "myblog");
    device.Interaction().ScriptCancelAfter(5);
    EXPECT_EQ(service.RequestUserInfo(progress.Callback(), progress.Context()).Code(), 1223u);
}

TEST_F(ServerErrors, ChangesRequestsLeaveTheirServerErrorsToTheCaller)
{
    Answer(ErrorReply("GC", "Error: Enter valid viewer password"));
    ServiceReply reply = service.RequestChanges(nullptr, nullptr);
    EXPECT_EQ(reply.Code(), 8023u);
    EXPECT_TRUE(reply.IsServerError());
    EXPECT_TRUE(device.Interaction().ShownMessages().empty());
    service.ReportServerError(reply.Code());
    EXPECT_EQ(ShownTexts(device.Interaction()), (std::vector<std::string> { "Enter valid viewer password." }));
}

TEST_F(ServerErrors, WithoutAStoreTheErrorIsShownAllTheSame)
{
    service.SetStore(nullptr);
    EXPECT_EQ(UserInfoAnsweredWith("Error: Invalid Version").Code(), 10201u);
    ASSERT_EQ(device.Interaction().ShownMessages().size(), 1u);
    EXPECT_EQ(device.Interaction().ShownMessages()[0].text, ErrorText(8000) + ".");
}

TEST_F(ServerErrors, ReadingTheMessageOfAReplyThatIsNotChecked)
{
    std::string body = ErrorReply("CreateBlog", "Error: BlogURL already used")
        + "<Alternates><Alternate>myblog2</Alternate><Alternate>my-blog</Alternate></Alternates>";
    ReadOnlyMemoryStream stream(body);
    EXPECT_EQ(ReadServerErrorText(stream), "Error: BlogURL already used");
    BlogUrlAlternates alternates = ReadBlogUrlAlternates(stream, 256);
    EXPECT_EQ(alternates, (BlogUrlAlternates { "myblog2", "my-blog", "", "" }));

    std::string four = "<MS>Error: BlogURL already used</MS><Alternates><Alternate>a</Alternate><Alternate>bb</Alternate>"
                       "<Alternate>abcdefghij</Alternate><Alternate>d</Alternate><Alternate>e</Alternate></Alternates>";
    ReadOnlyMemoryStream stream4(four);
    EXPECT_TRUE(ReadServerErrorText(stream4));
    EXPECT_EQ(ReadBlogUrlAlternates(stream4, 5), (BlogUrlAlternates { "a", "bb", "abcd", "d" })) << "each cut to its buffer";

    std::string none = "<Result>ok</Result>";
    ReadOnlyMemoryStream stream0(none);
    EXPECT_FALSE(ReadServerErrorText(stream0));
    EXPECT_EQ(ReadBlogUrlAlternates(stream0, 256), BlogUrlAlternates {});
}
