#include "app/StringTable.h"

#include <gtest/gtest.h>

TEST(StringTable, IsSortedWithoutDuplicates)
{
    auto strings = AllStrings();
    ASSERT_FALSE(strings.empty());
    for (size_t i = 1; i < strings.size(); ++i)
        EXPECT_LT(strings[i - 1].id, strings[i].id) << "at " << strings[i].id;
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
