// The check of the service's message file: the version keys, the notes
// and their bookkeeping, the forced check of Check For Updates, and the
// daily check at the start of a blog's sync.

#include "SyncTestBench.h"

#include "app/MessageCheck.h"
#include "app/Preferences.h"
#include "app/ProgramVersion.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"

namespace {

class CheckVersion : public SyncTest {
protected:
    // A version newer than any the program has.
    static constexpr const char* kNewer = "99.0";

    static std::string Note(std::uint32_t number, const std::string& text, const std::string& second = "")
    {
        return "<NOTE><N>" + std::to_string(number) + "</N><M>" + text + "</M><A>" + second + "</A></NOTE>";
    }
    void MessageFile(const std::string& version, const std::string& notes = {})
    {
        service.SetMessageFile("<VELLUMBRIX>\r\n<VERSION>" + version + "</VERSION>\r\n" + notes + "</VELLUMBRIX>\r\n");
    }
    bool Check(bool forced, bool& newVersion) { return commands.CheckVersion(forced, newVersion, progress); }
};

}

TEST_F(CheckVersion, AForcedCheckTellsOfANewerVersionAndReadsNoNotes)
{
    MessageFile(kNewer, Note(5, "A note"));
    bool newVersion = false;
    EXPECT_TRUE(Check(true, newVersion));
    EXPECT_TRUE(newVersion);
    EXPECT_EQ(Shown(), (std::vector<std::string> { "New version 99.0" }));
    EXPECT_EQ(ReadLastMessageCheck(), 0u) << "a forced check is not the daily one";
    EXPECT_EQ(ReadLastMessageNumber(), 0u);
    EXPECT_EQ(service.Actions(), (std::vector<std::string> { "GET /Downloads/messages/ppc/Vellumbrix.txt" }));

    MessageFile(std::string(ProgramVersionText()));
    EXPECT_TRUE(Check(true, newVersion));
    EXPECT_FALSE(newVersion) << "the program's own version is not newer";
}

TEST_F(CheckVersion, AnIgnoredVersionIsNotAnnouncedAgain)
{
    MessageFile("3.0b2");
    EXPECT_TRUE(WriteLastIgnoredVersion(u"3.0b2"));
    bool newVersion = false;
    EXPECT_TRUE(Check(true, newVersion));
    EXPECT_FALSE(newVersion);
    MessageFile("3.0");
    EXPECT_TRUE(Check(true, newVersion));
    EXPECT_TRUE(newVersion) << "the release sorts after its beta";
    EXPECT_EQ(MakeVersionKey("3.0"), "3.0f9");
    EXPECT_EQ(MakeVersionKey("3.0b2"), "3.0b2");
}

TEST_F(CheckVersion, TheDailyCheckShowsNewNotesOnceAndRecordsTheCheck)
{
    MessageFile(std::string(ProgramVersionText()), Note(3, "Old news") + Note(4, "Maintenance tonight", "second text") + Note(5, "Hello &amp; welcome"));
    EXPECT_TRUE(WriteLastMessageNumber(3));
    bool newVersion = false;
    EXPECT_FALSE(Check(false, newVersion));
    EXPECT_EQ(Shown(), (std::vector<std::string> { "Maintenance tonight", "Hello & welcome" }));
    EXPECT_EQ(ReadLastMessageNumber(), 5u);
    EXPECT_GE(ReadLastMessageCheck() + 5, GetCurrentSeconds());

    // Not again the same day.
    service.ClearLog();
    EXPECT_FALSE(Check(false, newVersion));
    EXPECT_TRUE(service.Actions().empty());
}

TEST_F(CheckVersion, AFileThatCannotBeReadIsLookedForAgainNextTime)
{
    EXPECT_TRUE(WriteLastMessageCheck(GetCurrentSeconds() - 86401));
    service.On("GET", [](const HttpTestServer::Request&) { return HttpTestServer::WithStatus(404, "Not Found"); });
    bool newVersion = false;
    EXPECT_FALSE(Check(false, newVersion));
    EXPECT_EQ(ReadLastMessageCheck(), 0u);
    EXPECT_TRUE(Shown().empty()) << "no message";
    EXPECT_FALSE(Check(true, newVersion)) << "a forced check that could not read the file says so";
    EXPECT_EQ(commands.LastRequestFailure(), 404u);
}

TEST_F(CheckVersion, ANewVersionChosenForDownloadEndsTheSyncBeforeAnythingIsSent)
{
    AddPendingEntry("Not sent");
    MessageFile(kNewer);
    device.Interaction().ScriptNewVersionChoice({ false, true });
    EXPECT_EQ(SyncBlog(), Error::AlreadyReported);
    EXPECT_EQ(service.Actions(), (std::vector<std::string> { "GET /Downloads/messages/ppc/Vellumbrix.txt" }));
    EXPECT_TRUE(device.Interaction().QuitRequested());
    EXPECT_EQ(device.Interaction().OpenedPages().size(), 1u);
}

TEST_F(CheckVersion, NotesAndVersionAreFoundWhereverTheFileHasThem)
{
    // No version element: the notes are read all the same; text around
    // the elements does not matter.
    service.SetMessageFile("garbage <NOTES>not a note</NOTES> " + Note(1, "First") + " <NOTE >\r\n<N>2</N>\r\n<M>Second</M></NOTE>");
    bool newVersion = false;
    EXPECT_FALSE(Check(false, newVersion));
    EXPECT_FALSE(newVersion);
    EXPECT_EQ(Shown(), (std::vector<std::string> { "First", "Second" }));
}
