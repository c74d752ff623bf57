#include "workflows/ViewPasswordWorkflow.h"

#include "support/SandboxDevice.h"

#include <gtest/gtest.h>

TEST(ViewPassword, AnEmptyPasswordIsRefusedAndAnotherAccepted)
{
    SandboxDevice device;
    ViewPasswordWorkflow prompt(u"family");
    EXPECT_EQ(prompt.BlogName(), u"family");
    DialogOutcome empty = prompt.Ok(u"");
    EXPECT_FALSE(empty.closes);
    EXPECT_EQ(empty.faultyField, ViewPasswordWorkflow::kPasswordField);
    ASSERT_EQ(device.Interaction().ShownMessages().size(), 1u);
    EXPECT_EQ(device.Interaction().ShownMessages()[0].text, "You need to enter a password.");
    EXPECT_EQ(device.Interaction().ShownMessages()[0].icon, MessageIcon::Warning);

    EXPECT_EQ(prompt.Ok(u"s\u00e9same"), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_EQ(prompt.Password(), "s\xc3\xa9same");
}

TEST(ViewPassword, APasswordPastItsLimitIsRefused)
{
    SandboxDevice device;
    ViewPasswordWorkflow prompt(u"family");
    EXPECT_FALSE(prompt.Ok(std::u16string(32, u'p')).closes);
    EXPECT_EQ(device.Interaction().ShownMessages()[0].text, "Please enter no more than 31 characters.");
    EXPECT_TRUE(prompt.Ok(std::u16string(31, u'p')).closes);
}
