// Creating an account and a blog against a scripted server: each outcome
// the dialogs act on, what the user is shown for each, and answers no
// honest service sends.

#include "ProgressRecorder.h"
#include "ServiceTestBench.h"
#include "app/StringTable.h"

namespace {

constexpr std::uint32_t kAlternateSize = 256;

class AccountCreation : public ServiceTest {
protected:
    ErrorCode CreateAccount()
    {
        return service.CreateAccount("new@example.com", "pw", "Zoë", "Doe", recorder.Callback, &recorder);
    }
    ErrorCode CreateBlog(std::string_view name = "wanted")
    {
        return service.CreateBlog(kEmail, kPassword, name, "Title", "Sub", true, alternates, kAlternateSize, recorder.Callback, &recorder);
    }
    // A refusal of "CreateBlog" for a taken name, with these suggestions.
    static std::string TakenReply(const std::vector<std::string>& suggestions, std::string_view text = "Error: BlogURL already used")
    {
        std::string fields = "<MS>" + std::string(text) + "</MS><Alternates>";
        for (const std::string& name : suggestions)
            fields += "<Alternate>" + name + "</Alternate>";
        return ChangesResponseBuilder::Envelope("CreateBlog", fields + "</Alternates>");
    }

    ProgressRecorder recorder;
    BlogUrlAlternates alternates { "old1", "old2", "old3", "old4" };
};

}

TEST_F(AccountCreation, AnAnswerWithoutAMessageIsANewAccount)
{
    Answer(ChangesResponseBuilder::Envelope("CreateAccount", ""));
    EXPECT_EQ(CreateAccount(), Error::Success);
    EXPECT_EQ(recorder.Steps(), (std::vector<ProgressStep> { ProgressStep::CreatingAccount }));
    EXPECT_EQ(OnlyRequest().RequestLine(), "POST /ws/ HTTP/1.1");
    EXPECT_EQ(OnlyRequest().body.find("<AU"), std::string::npos) << "no authentication";
    EXPECT_TRUE(device.Interaction().ShownMessages().empty());
}

TEST_F(AccountCreation, ATakenAddressIsAnswerNotAnError)
{
    // In any case, and whatever the blog's store would show.
    Answer(ErrorReply("CreateAccount", "ERROR: EMAIL ALREADY USED"));
    EXPECT_EQ(CreateAccount(), Error::EmailAlreadyUsed);
    EXPECT_EQ(service.GetServerErrorText(), "ERROR: EMAIL ALREADY USED");
    EXPECT_TRUE(device.Interaction().ShownMessages().empty());
    EXPECT_TRUE(recorder.Steps() == std::vector<ProgressStep> { ProgressStep::CreatingAccount }) << "no error report";
}

TEST_F(AccountCreation, AnyOtherRefusalIsShownAsTheServerWroteIt)
{
    // Without the full stop that other senders add, and known texts too:
    // they are not turned into the client's messages.
    Answer(ErrorReply("CreateAccount", "Error: Please enter a password"));
    EXPECT_EQ(CreateAccount(), Error::CreationRefused);
    Answer(ErrorReply("CreateAccount", "Error: Invalid Version"));
    EXPECT_EQ(CreateAccount(), Error::CreationRefused);
    Answer(ErrorReply("CreateAccount", ""));
    EXPECT_EQ(CreateAccount(), Error::CreationRefused);
    EXPECT_EQ(ShownTexts(device.Interaction()),
        (std::vector<std::string> { "Error: Please enter a password", "Error: Invalid Version",
            FormatText(LoadString(7999), { 65535u }) }));
    EXPECT_EQ(device.Interaction().ShownMessages()[0].icon, MessageIcon::Warning);
}

TEST_F(AccountCreation, TransportFailuresAndStatusesAreReturnedUnshown)
{
    // A refusal text in a failed answer is not read.
    AnswerWith(HttpTestServer::WithStatus(500, "Internal Server Error", ErrorReply("CreateAccount", "Error: Email already used")));
    EXPECT_EQ(CreateAccount(), 500u);
    ASSERT_EQ(recorder.reports.size(), 2u);
    EXPECT_EQ(recorder.reports[1].step, ProgressStep::ErrorReport);
    EXPECT_EQ(recorder.reports[1].code, 500u);

    AnswerWith(HttpTestServer::CutOff(ChangesResponseBuilder::Envelope("CreateAccount", ""), 20));
    EXPECT_EQ(CreateAccount(), 4619u);
    AnswerWith(HttpTestServer::CutOff(TakenReply({ "a", "b" }), 20));
    EXPECT_EQ(CreateBlog(), 4619u);
    EXPECT_EQ(alternates[0], "old1") << "the suggestions stay as they were";
    EXPECT_TRUE(device.Interaction().ShownMessages().empty());
}

TEST_F(AccountCreation, ACancelAtTheStepSendsNothing)
{
    recorder.cancelAtStep = ProgressStep::CreatingAccount;
    EXPECT_EQ(CreateAccount(), Error::Cancelled);
    recorder.cancelAtStep = ProgressStep::CreatingBlog;
    EXPECT_EQ(CreateBlog(), Error::Cancelled);
    EXPECT_TRUE(Requests().empty());
}

TEST_F(AccountCreation, ACancelWhileTheServerThinksEndsTheRequest)
{
    // The user gives up once the request is out and the answer stalls.
    struct CancelOnceSent {
        HttpTestServer* server;
        static bool Callback(void* context, const ProgressRecord* record, int)
        {
            return record || static_cast<CancelOnceSent*>(context)->server->Requests().empty();
        }
    } cancel { &server };
    AnswerWith(HttpTestServer::Stalled(ChangesResponseBuilder::Envelope("CreateAccount", ""), 10));
    EXPECT_EQ(service.CreateAccount("new@example.com", "pw", "", "", &CancelOnceSent::Callback, &cancel), Error::Cancelled);
    EXPECT_TRUE(server.WaitForClientClose(1));
    EXPECT_TRUE(device.Interaction().ShownMessages().empty());
}

TEST_F(AccountCreation, ATakenBlogNameFillsTheSuggestionsInOrder)
{
    Answer(TakenReply({ "wanted1", "wanted_2006" }, "error: blogurl already used"));
    EXPECT_EQ(CreateBlog(), Error::BlogUrlAlreadyUsed);
    EXPECT_EQ(alternates, (BlogUrlAlternates { "wanted1", "wanted_2006", "", "" }));
    EXPECT_EQ(recorder.Steps(), (std::vector<ProgressStep> { ProgressStep::CreatingBlog }));
    EXPECT_TRUE(device.Interaction().ShownMessages().empty());

    // Without suggestions the buffers are emptied all the same.
    Answer(ErrorReply("CreateBlog", "Error: BlogURL already used"));
    EXPECT_EQ(CreateBlog(), Error::BlogUrlAlreadyUsed);
    EXPECT_EQ(alternates, BlogUrlAlternates {});
}

TEST_F(AccountCreation, ANewBlogOrAnotherRefusalLeavesTheSuggestions)
{
    Answer(ChangesResponseBuilder::Envelope("CreateBlog", ""));
    EXPECT_EQ(CreateBlog(), Error::Success);
    ExpectRequest(OnlyRequest(), "CreateBlog",
        Authentication({}) + "<BlogURL>wanted</BlogURL><Title>Title</Title><Subtitle>Sub</Subtitle><Visibility>normal</Visibility>");

    Answer(TakenReply({ "x" }, "Error: Invalid Authentication"));
    EXPECT_EQ(CreateBlog(), Error::CreationRefused);
    EXPECT_EQ(ShownTexts(device.Interaction()), (std::vector<std::string> { "Error: Invalid Authentication" }));
    EXPECT_EQ(alternates[0], "old1");
}

TEST_F(AccountCreation, HostileSuggestionsAreCutAndCounted)
{
    // Six suggestions, one far too long, one with markup escaped, one
    // whose cut falls inside a character: four are kept, each within its
    // buffer and whole characters.
    std::string longName(1000, 'n');
    std::string accents;
    for (int i = 0; i < 200; ++i)
        accents += "é";
    Answer(TakenReply({ longName, "a&amp;b&lt;c&gt;", accents, "fourth", "fifth", "sixth" }));
    EXPECT_EQ(CreateBlog(), Error::BlogUrlAlreadyUsed);
    EXPECT_EQ(alternates[0], std::string(kAlternateSize - 1, 'n'));
    EXPECT_EQ(alternates[1], "a&b<c>");
    EXPECT_EQ(alternates[2].size(), 254u) << "127 whole characters";
    EXPECT_EQ(alternates[3], "fourth");

    // A tiny buffer size, and a message far longer than its 99 bytes.
    Answer(TakenReply({ "abc" }));
    EXPECT_EQ(service.CreateBlog(kEmail, kPassword, "w", "", "", false, alternates, 2, nullptr, nullptr), Error::BlogUrlAlreadyUsed);
    EXPECT_EQ(alternates, (BlogUrlAlternates { "a", "", "", "" }));
    EXPECT_EQ(service.CreateBlog(kEmail, kPassword, "w", "", "", false, alternates, 0, nullptr, nullptr), Error::BlogUrlAlreadyUsed);
    EXPECT_EQ(alternates, BlogUrlAlternates {});

    Answer(ErrorReply("CreateAccount", std::string(5000, 'x')));
    EXPECT_EQ(CreateAccount(), Error::CreationRefused);
    EXPECT_EQ(ShownTexts(device.Interaction()), (std::vector<std::string> { std::string(99, 'x') }));
}

TEST_F(AccountCreation, WithoutAStoreTheRefusalIsShownAllTheSame)
{
    // The first account of a device has no blog yet.
    service.SetStore(nullptr);
    Answer(ErrorReply("CreateAccount", "Error: Please enter a valid e-mail address"));
    EXPECT_EQ(CreateAccount(), Error::CreationRefused);
    EXPECT_EQ(ShownTexts(device.Interaction()), (std::vector<std::string> { "Error: Please enter a valid e-mail address" }));
}
