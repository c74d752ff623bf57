#include "app/MessageCheck.h"
#include "app/Preferences.h"
#include "app/StartUp.h"
#include "platform/Clock.h"
#include "support/SandboxDevice.h"

#include <gtest/gtest.h>

TEST(MessageCheck, VersionKeys)
{
    EXPECT_EQ(MakeVersionKey("1.0"), "1.0f9");
    EXPECT_EQ(MakeVersionKey("2.1b3"), "2.1b3");
    EXPECT_EQ(MakeVersionKey("1.2"), "1.2f9");
    EXPECT_EQ(MakeVersionKey("1.2b1"), "1.2b1");
    EXPECT_EQ(MakeVersionKey(""), "000f9");
    EXPECT_EQ(MakeVersionKey("7"), "700f9");
    EXPECT_EQ(MakeVersionKey("1.2B1"), "1.2f9") << "only lower-case letters mark a pre-release";
}

TEST(MessageCheck, AsksAboutTheNewerOfOwnAndIgnoredVersion)
{
    EXPECT_EQ(VersionToAskAbout("1.2", "1.2b1"), "1.2");
    EXPECT_EQ(VersionToAskAbout("1.2", "1.3"), "1.3");
    EXPECT_EQ(VersionToAskAbout("1.2", "1.2"), "1.2");
}

TEST(MessageCheck, ChecksAtMostOnceADayUnlessForced)
{
    SandboxDevice device;
    ASSERT_TRUE(CreatePreferenceKeyChain());
    std::uint32_t note = 99;
    std::string version;

    ProgramTime now = GetCurrentSeconds();
    WriteLastMessageCheck(now - 86400 + 5);
    EXPECT_FALSE(ShouldCheckMessages(false, note, version));
    EXPECT_EQ(note, 99u) << "nothing is handed out when no check is due";
    WriteLastMessageCheck(now - 86401 - 5);
    WriteLastMessageNumber(12);
    EXPECT_TRUE(ShouldCheckMessages(false, note, version));
    EXPECT_EQ(note, 12u);
    EXPECT_EQ(version, "1.0");

    SetLastMessageCheck(1);
    EXPECT_FALSE(ShouldCheckMessages(false, note, version));
    EXPECT_TRUE(ShouldCheckMessages(true, note, version));
    SetLastMessageCheck(0);
    EXPECT_EQ(ReadLastMessageCheck(), 0u);
    EXPECT_TRUE(ShouldCheckMessages(false, note, version));
}

TEST(MessageCheck, NewVersionNoticeRemembersIgnoredVersionAndOpensTheDownloadPage)
{
    SandboxDevice device;
    ASSERT_TRUE(CreatePreferenceKeyChain());
    WriteServiceHost(u"blogs.example:8080");

    device.Interaction().ScriptNewVersionChoice({ .ignoreThisVersion = true, .download = false });
    EXPECT_FALSE(ShowNewVersion("1.3"));
    EXPECT_EQ(ReadLastIgnoredVersion(), u"1.3");
    EXPECT_TRUE(device.Interaction().OpenedPages().empty());

    device.Interaction().ScriptNewVersionChoice({ .ignoreThisVersion = false, .download = true });
    EXPECT_TRUE(ShowNewVersion("1.4"));
    EXPECT_EQ(ReadLastIgnoredVersion(), u"1.3");
    ASSERT_EQ(device.Interaction().OpenedPages().size(), 1u);
    EXPECT_EQ(device.Interaction().OpenedPages()[0], "http://blogs.example:8080/download");
    EXPECT_TRUE(device.Interaction().QuitRequested());

    // A service behind TLS serves the page over HTTPS.
    WriteServiceHost(u"https://blogs.example:8443");
    device.Interaction().ScriptNewVersionChoice({ .ignoreThisVersion = false, .download = true });
    EXPECT_TRUE(ShowNewVersion("1.5"));
    ASSERT_EQ(device.Interaction().OpenedPages().size(), 2u);
    EXPECT_EQ(device.Interaction().OpenedPages()[1], "https://blogs.example:8443/download");
}

TEST(MessageCheck, NotesAreShownAndRemembered)
{
    SandboxDevice device;
    ASSERT_TRUE(CreatePreferenceKeyChain());
    EXPECT_FALSE(ShowNote(5, "Server maintenance tonight", "unused"));
    EXPECT_EQ(ReadLastMessageNumber(), 5u);
    ASSERT_EQ(device.Interaction().ShownMessages().size(), 1u);
    EXPECT_EQ(device.Interaction().ShownMessages()[0].text, "Server maintenance tonight");
    EXPECT_EQ(device.Interaction().ShownMessages()[0].icon, MessageIcon::Information);
}
