// The list of recommended blogs: the channels file fetched from the service
// host with a plain GET, its element's text and the list made of it.

#include "ProgressRecorder.h"
#include "ServiceTestBench.h"
#include "app/ProgramVersion.h"
#include "model/CWinBlogChannels.h"
#include "platform/CodePage.h"

namespace {

constexpr std::uint32_t kTextSize = 30721;

class Channels : public ServiceTest {
protected:
    ErrorCode Fetch(std::string& text, std::uint32_t size = kTextSize)
    {
        return service.GetChannels(text, size, recorder.Callback, &recorder);
    }
    std::vector<std::string> UrlNames() const
    {
        std::vector<std::string> names;
        for (const auto& channel : channels)
            names.push_back(Utf16ToUtf8(channel->GetUrlName()));
        return names;
    }

    ProgressRecorder recorder;
    CWinBlogChannels channels;
};

}

TEST_F(Channels, TheFileIsAPlainGetOfTheServiceHost)
{
    Answer("<CHANNELS>\r\nalpha  Alpha &amp; friends\r\n  beta\r\n</CHANNELS>\r\n");
    std::string text;
    ASSERT_EQ(Fetch(text), Error::Success);
    EXPECT_EQ(text, "\r\nalpha  Alpha & friends\r\n  beta\r\n");
    EXPECT_EQ(recorder.Steps(), (std::vector<ProgressStep> { ProgressStep::GettingChannels }));
    EXPECT_EQ(OnlyRequest().Bytes(),
        "GET /Downloads/messages/ppc/VellumbrixChannels.txt HTTP/1.1\r\n"
        "Host: "
            + server.HostText()
            + "\r\n"
              "Content-Type: text\r\n"
              "Content-Length: 0\r\n"
              "User-Agent: WinCE-PocketPC vellumbrix "
            + std::string(ProgramVersionText()) + "\r\n\r\n");

    ASSERT_EQ(service.GetChannelList(channels, nullptr, nullptr), Error::Success);
    EXPECT_EQ(UrlNames(), (std::vector<std::string> { "alpha", "beta" }));
    EXPECT_EQ(Utf16ToUtf8(channels.GetAt(0).GetDisplayLine()), "alpha  Alpha & friends");
}

TEST_F(Channels, OnlyTheFirstChannelElementCounts)
{
    // Whatever surrounds it; a name that merely begins with CHAN will do.
    Answer("<?xml?><NOTE>x</NOTE><CHANLIST>\r\none\r\n</CHANLIST><CHANNELS>\r\ntwo\r\n</CHANNELS>");
    ASSERT_EQ(service.GetChannelList(channels, nullptr, nullptr), Error::Success);
    EXPECT_EQ(UrlNames(), (std::vector<std::string> { "one" }));
}

TEST_F(Channels, AFileWithoutTheElementLeavesTheTextAsItWas)
{
    Answer("<VELLUMBRIX><VERSION>9</VERSION></VELLUMBRIX>");
    std::string text = "kept";
    EXPECT_EQ(Fetch(text), Error::Success);
    EXPECT_EQ(text, "kept");
    ASSERT_EQ(service.GetChannelList(channels, nullptr, nullptr), Error::Success);
    EXPECT_EQ(channels.GetCount(), 0u);
    EXPECT_TRUE(device.Interaction().ShownMessages().empty());
}

TEST_F(Channels, AFailedFetchAnswersItsCodeAndListsNothing)
{
    Answer("<CHANNELS>\r\nalpha\r\n</CHANNELS>");
    ASSERT_EQ(service.GetChannelList(channels, nullptr, nullptr), Error::Success);
    ASSERT_EQ(channels.GetCount(), 1u);

    AnswerWith(HttpTestServer::WithStatus(404, "Not Found", "<CHANNELS>\r\nnot-this\r\n</CHANNELS>"));
    std::string text = "kept";
    EXPECT_EQ(Fetch(text), 404u);
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(recorder.Steps(), (std::vector<ProgressStep> { ProgressStep::GettingChannels, ProgressStep::ErrorReport }));
    EXPECT_EQ(service.GetChannelList(channels, nullptr, nullptr), 404u);
    EXPECT_EQ(channels.GetCount(), 0u) << "the list is made afresh";

    AnswerWith(HttpTestServer::CutOff("<CHANNELS>\r\nalpha\r\n</CHANNELS>", 15));
    EXPECT_EQ(Fetch(text), 4619u);
    EXPECT_EQ(text, "kept");
    EXPECT_TRUE(device.Interaction().ShownMessages().empty()) << "the caller shows transport failures";
}

TEST_F(Channels, ACancelEndsTheFetch)
{
    recorder.cancelAtStep = ProgressStep::GettingChannels;
    std::string text = "kept";
    EXPECT_EQ(Fetch(text), Error::Cancelled);
    EXPECT_TRUE(Requests().empty());

    recorder.cancelAtStep.reset();
    recorder.cancelAfterPolls = 2;
    AnswerWith(HttpTestServer::Stalled("<CHANNELS>\r\nalpha\r\n</CHANNELS>", 5));
    EXPECT_EQ(service.GetChannelList(channels, recorder.Callback, &recorder), Error::Cancelled);
    EXPECT_EQ(channels.GetCount(), 0u);
}

TEST_F(Channels, AHugeListIsCutAndItsCutLineDropped)
{
    // 50,000 lines of 19 bytes; the text keeps 30,720 bytes, so the line
    // cut in the middle is not taken.
    std::string lines;
    for (int i = 0; i < 50000; ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "blog%013d\r\n", i);
        lines += line;
    }
    Answer("<CHANNELS>" + lines + "</CHANNELS>");
    std::string text;
    ASSERT_EQ(Fetch(text), Error::Success);
    EXPECT_EQ(text.size(), 30720u);
    ASSERT_EQ(service.GetChannelList(channels, nullptr, nullptr), Error::Success);
    EXPECT_EQ(channels.GetCount(), 30720u / 19);
    EXPECT_EQ(UrlNames().back(), "blog0000000001615");

    // A tiny buffer, a zero byte and markup inside the text.
    Answer(std::string("<CHANNELS>\r\nab\r\ncd\0ef\r\n</CHANNELS>", 34));
    EXPECT_EQ(Fetch(text, 5), Error::Success);
    EXPECT_EQ(text, "\r\nab");
    ASSERT_EQ(service.GetChannelList(channels, nullptr, nullptr), Error::Success);
    EXPECT_EQ(UrlNames(), (std::vector<std::string> { "ab" })) << "the zero byte ends the text";
}
