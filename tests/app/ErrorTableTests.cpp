#include "app/ErrorTable.h"
#include "app/StringFormat.h"
#include "support/SandboxDevice.h"

#include <gtest/gtest.h>

TEST(ErrorTable, MapsCodesToTheirTexts)
{
    EXPECT_EQ(ErrorText(8003), "Email already used");
    EXPECT_EQ(ErrorText(8002), "Your email or password is incorrect.  Please select Account Info from the Options menu in the Home view and verify your settings");
    EXPECT_EQ(ErrorText(8001), "Your email or password is incorrect.  Please select Account Info and verify your settings.");
    EXPECT_EQ(ErrorText(4294967062u), "Progressive JPEGs not supported");
    EXPECT_EQ(ErrorText(4294967079u), "Invalid JPEG");
    EXPECT_EQ(ErrorText(8008), "Your Free account has reached its storage limit. To upgrade to a Pro account with unlimited storage, please visit VellumbrixWeb");
    EXPECT_EQ(ErrorText(11000), "Photos for one or more Pending items could not be found and were not");
}

TEST(ErrorTable, SameTextFromTwoMessageIds)
{
    EXPECT_EQ(MessageIdForError(513), 8015u);
    EXPECT_EQ(MessageIdForError(5633), 8010u);
    EXPECT_EQ(ErrorText(513), "Your internal storage space is full");
    EXPECT_EQ(ErrorText(5633), ErrorText(513));
    EXPECT_EQ(MessageIdForError(14), 7000u);
    EXPECT_EQ(MessageIdForError(8), 7000u);
}

TEST(ErrorTable, UnknownCodesShowTheirNumberAndSilentCodesShowNothing)
{
    EXPECT_EQ(MessageIdForError(12345), 7999u);
    EXPECT_EQ(ErrorText(12345), "An unknown error occurred (12345).");
    EXPECT_EQ(MessageIdForError(8007), 0u);
    EXPECT_EQ(ErrorText(8007), "");
    EXPECT_EQ(ErrorText(8009), "");
    EXPECT_EQ(MessageIdForError(10201), 7999u) << "a reported cancel is never shown through the table";
}

TEST(ErrorTable, ShowErrorUsesAWarningBox)
{
    SandboxDevice device;
    ShowError(8022);
    ASSERT_EQ(device.Interaction().ShownMessages().size(), 1u);
    EXPECT_EQ(device.Interaction().ShownMessages()[0].text, "The Blog is password protected");
    EXPECT_EQ(device.Interaction().ShownMessages()[0].icon, MessageIcon::Warning);
}

TEST(StringFormat, PrintfConversionsAndNumberedInserts)
{
    EXPECT_EQ(FormatText("Vellumbrix was unable to establish a connection (0x%x).", { 0x80004005u }),
        "Vellumbrix was unable to establish a connection (0x80004005).");
    EXPECT_EQ(FormatText("%d Photos", { 3 }), "3 Photos");
    EXPECT_EQ(FormatText("(%d)", { 4294967295u }), "(-1)") << "%d prints the 32-bit signed value";
    EXPECT_EQ(FormatText("%s (%s):", { "Ann", "today" }), "Ann (today):");
    EXPECT_EQ(FormatText("Please enter no more than %1 characters.", { 128 }), "Please enter no more than 128 characters.");
    EXPECT_EQ(FormatText("100%% %ld", { 7L }), "100% 7");
}

TEST(StringFormat, HostileFormatsAreHarmless)
{
    EXPECT_EQ(FormatText("%s %s %d", { "one" }), "one  ");
    EXPECT_EQ(FormatText("%n%p trailing %"), "%n%p trailing %");
    EXPECT_EQ(FormatText("%d", { "text" }), "text");
}
