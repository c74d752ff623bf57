#include "app/StringFormat.h"
#include "app/StringTable.h"

#include <gtest/gtest.h>

TEST(StringTable, IsSortedWithoutDuplicates)
{
    auto strings = AllStrings();
    ASSERT_FALSE(strings.empty());
    for (size_t i = 1; i < strings.size(); ++i)
        EXPECT_LT(strings[i - 1].id, strings[i].id) << "at " << strings[i].id;
    for (auto& entry : strings)
        EXPECT_FALSE(entry.text.empty()) << "id " << entry.id;
}

TEST(StringTable, TextsAreExactlyAsQuoted)
{
    EXPECT_EQ(LoadString(8500), "A connection to the Internet could not be made.");
    EXPECT_EQ(LoadString(6002), "There was an error saving the local blog database.");
    EXPECT_EQ(LoadString(8007), "Connection timed out.  Please check your signal strength and sync again");
    EXPECT_EQ(LoadString(8029), "You are running an outdated version of Vellumbrix.  Please select \"Check For Updates\" from the Options menu to get information on the latest version");
    EXPECT_EQ(LoadString(7000), "There's insufficent memory to complete the request.");
    EXPECT_EQ(LoadString(400), "Sample Blog");
    EXPECT_EQ(LoadString(401), "sample");
    EXPECT_EQ(LoadString(182), "Do you want to unsubscribe from the '%s' blog?");
    EXPECT_FALSE(HasString(1));
    EXPECT_EQ(LoadString(1), "");
}

TEST(StringTable, KeepsInnerQuotesAndDoubledBlanks)
{
    EXPECT_EQ(LoadString(175), "\"%s\" already has a VellumbrixWeb account.  Would you like to subscribe to it?");
    // The full stop sits inside the closing quote.
    EXPECT_EQ(LoadString(214), "You don't currently have any remote blogs set up. To set up a remote blog, go to your account settings on the vellumbrixweb web site and choose \"Remote Blogs.\"");
    EXPECT_EQ(FormatText(LoadString(165), { "trips", "trips1", "trips_2" }),
        "The Blog URL \"trips\"  is already in use.  Please try another one.  The following Blog URLs are available:\ntrips1\ntrips_2");
}

TEST(StringTable, KeepsFinalPunctuationOrItsAbsence)
{
    EXPECT_EQ(LoadString(8014), "Your email or password is incorrect.  Please select Account Info and verify your settings.");
    EXPECT_EQ(LoadString(8028), "Your email or password is incorrect.  Please select Account Info from the Options menu in the Home view and verify your settings");
    EXPECT_EQ(LoadString(8016), "Your Free account has reached its storage limit. To upgrade to a Pro account with unlimited storage, please visit VellumbrixWeb");
    EXPECT_EQ(LoadString(8018), "Photos for one or more Pending items could not be found and were not");
    EXPECT_EQ(LoadString(104), "Windows socket initialization failed");
    EXPECT_EQ(LoadString(7998), "Sync Cancelled.");
    EXPECT_EQ(LoadString(8020), "Sync Canceled");
}

TEST(StringTable, FormatInsertsWork)
{
    EXPECT_EQ(FormatText(LoadString(223), { "Ann", "1 hour ago" }), "Ann (1 hour ago):");
    EXPECT_EQ(FormatText(LoadString(206), { "Ann" }), "Ann's PhotoBlog");
    EXPECT_EQ(FormatText(LoadString(700), { 0x80004005u }), "Vellumbrix was unable to establish a connection (0x80004005).");
    EXPECT_EQ(FormatText(LoadString(9006), { 30 }), "30 days ago");
    EXPECT_EQ(FormatText(LoadString(133), { 0 }), "0 Photos");
}

TEST(StringTable, SizeChoicesAreDistinctPerList)
{
    // Upload and download lists share some texts under their own ids.
    EXPECT_EQ(LoadString(137), "320x240");
    EXPECT_EQ(LoadString(185), "320x240");
    EXPECT_EQ(LoadString(140), "Full size photos");
    EXPECT_EQ(LoadString(188), "Full size");
}

TEST(StringTable, EveryProgressStepHasAText)
{
    for (StringId id = 145; id <= 154; ++id)
        EXPECT_TRUE(HasString(id)) << id;
    for (StringId id = 600; id <= 605; ++id)
        EXPECT_TRUE(HasString(id)) << id;
    for (StringId id = 9000; id <= 9008; ++id)
        EXPECT_TRUE(HasString(id)) << id;
}
