#include "workflows/BlogUrlRule.h"
#include "workflows/FieldLimits.h"

#include "support/SandboxDevice.h"

#include <gtest/gtest.h>

TEST(FieldLimits, ALongFieldShowsTheFrameworkMessageWithItsLimit)
{
    SandboxDevice device;
    EXPECT_TRUE(FitsFieldLimit(std::u16string(49, u'x'), 49));
    EXPECT_TRUE(device.Interaction().ShownMessages().empty());
    EXPECT_FALSE(FitsFieldLimit(std::u16string(50, u'x'), 49));
    ASSERT_EQ(device.Interaction().ShownMessages().size(), 1u);
    EXPECT_EQ(device.Interaction().ShownMessages()[0].text, "Please enter no more than 49 characters.");
    EXPECT_EQ(device.Interaction().ShownMessages()[0].icon, MessageIcon::Warning);
}

TEST(FieldLimits, TypingStopsAtTheLimitAndPastingKeepsWhatFits)
{
    // Typing one more character into a full field changes nothing.
    LimitedText typed = LimitTypedText(u"abc", u"abXc", 3);
    EXPECT_EQ(typed.text, u"abc");
    EXPECT_EQ(typed.cursor, 2u);
    EXPECT_TRUE(typed.cut);

    // A paste keeps as much as fits, at the caret.
    LimitedText pasted = LimitTypedText(u"ab", u"a12345b", 5);
    EXPECT_EQ(pasted.text, u"a123b");
    EXPECT_EQ(pasted.cursor, 4u);

    // Pasting over a selection counts what the selection gave back.
    LimitedText replaced = LimitTypedText(u"abcde", u"aXYZWe", 5);
    EXPECT_EQ(replaced.text, u"aXYZe");

    // Within the limit nothing is cut.
    EXPECT_FALSE(LimitTypedText(u"ab", u"abc", 3).cut);
}

TEST(FieldLimits, AFieldAlreadyPastItsLimitCanShrinkButNotGrow)
{
    std::u16string longTitle(60, u't');
    LimitedText deleted = LimitTypedText(longTitle, longTitle.substr(1), 49);
    EXPECT_FALSE(deleted.cut);
    EXPECT_EQ(deleted.text.size(), 59u);

    LimitedText grown = LimitTypedText(longTitle, longTitle + u"!", 49);
    EXPECT_TRUE(grown.cut);
    EXPECT_EQ(grown.text, longTitle);
}

TEST(FieldLimits, ACutNeverSplitsACharacterOfTwoUnits)
{
    // U+1F600 is two UTF-16 units; only one unit of room is left.
    LimitedText cut = LimitTypedText(u"ab", u"ab\U0001F600", 3);
    EXPECT_EQ(cut.text, u"ab");
}

TEST(FieldLimits, NumberFieldsTakeWholeNumbersWithinTheirRange)
{
    SandboxDevice device;
    EXPECT_EQ(ReadNumberField(u" 50 ", 65535), 50u);
    EXPECT_EQ(ReadNumberField(u"65535", 65535), 65535u);
    EXPECT_TRUE(device.Interaction().ShownMessages().empty());

    EXPECT_EQ(ReadNumberField(u"", 65535), std::nullopt);
    EXPECT_EQ(ReadNumberField(u"2x", 65535), std::nullopt);
    EXPECT_EQ(ReadNumberField(u"65536", 65535), std::nullopt);
    EXPECT_EQ(ReadNumberField(u"99999999999999999999", 65535), std::nullopt);
    auto& shown = device.Interaction().ShownMessages();
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0].text, "Please enter an integer.");
    EXPECT_EQ(shown[1].text, "Please enter an integer.");
    EXPECT_EQ(shown[2].text, "Please enter an integer between 0 and 65535.");
    EXPECT_EQ(shown[3].text, "Please enter an integer between 0 and 65535.");
}

TEST(BlogUrlRule, LettersDigitsUnderscoreAndHyphenOnly)
{
    EXPECT_TRUE(IsValidBlogUrl(u"my_blog-2"));
    EXPECT_FALSE(IsValidBlogUrl(u""));
    EXPECT_FALSE(IsValidBlogUrl(u"my blog"));
    EXPECT_FALSE(IsValidBlogUrl(u"caf\u00e9"));
    EXPECT_FALSE(IsValidBlogUrl(u"a/b"));
}
