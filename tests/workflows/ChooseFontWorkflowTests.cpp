#include "workflows/ChooseFontWorkflow.h"

#include "app/Preferences.h"
#include "app/StartUp.h"
#include "support/SandboxDevice.h"

#include <gtest/gtest.h>

namespace {

LogicalFont Tahoma(std::int32_t height)
{
    LogicalFont font;
    font.height = height;
    font.weight = 700;
    font.italic = 1;
    font.quality = 5;
    font.charSet = 1;
    font.faceName = u"Tahoma";
    return font;
}

}

TEST(ChooseFont, OpensOnTheCurrentFontWithItsSizeInPoints)
{
    ChooseFontWorkflow dialog(Tahoma(-13), 96);
    dialog.SetFaceNames({ u"Verdana", u"tahoma", u"Tahoma", u"Arial" });
    EXPECT_EQ(dialog.FaceNames(), (std::vector<std::u16string> { u"Arial", u"tahoma", u"Tahoma", u"Verdana" }));
    EXPECT_EQ(dialog.Sizes().front(), u"6");
    EXPECT_EQ(dialog.Sizes().back(), u"12");
    auto controls = dialog.Opening();
    EXPECT_EQ(controls.faceName, u"Tahoma");
    EXPECT_EQ(controls.size, u"10");
    EXPECT_TRUE(controls.bold);
    EXPECT_TRUE(controls.italic);
    EXPECT_FALSE(controls.underline);
    EXPECT_TRUE(controls.clearType);
}

TEST(ChooseFont, AFaceTheDisplayLacksOpensOnTheFirstAndOddSizesShowAsNumbers)
{
    LogicalFont font = Tahoma(-40);
    font.weight = 600;
    ChooseFontWorkflow dialog(font, 96);
    dialog.SetFaceNames({ u"Verdana", u"Arial" });
    auto controls = dialog.Opening();
    EXPECT_EQ(controls.faceName, u"Arial");
    EXPECT_EQ(controls.size, u"30");
    EXPECT_FALSE(controls.bold) << "only 700 is bold";

    // The family the display draws in its place, when it has one.
    dialog.SetDrawnFace(u"Verdana");
    EXPECT_EQ(dialog.Opening().faceName, u"Verdana");
    dialog.SetDrawnFace(u"Not installed either");
    EXPECT_EQ(dialog.Opening().faceName, u"Arial");
}

TEST(ChooseFont, SizesAndHeightsRoundHalfUp)
{
    EXPECT_EQ(ChooseFontWorkflow::PointsFromHeight(-13, 96), 10);
    EXPECT_EQ(ChooseFontWorkflow::HeightFromPoints(10, 96), -13);
    EXPECT_EQ(ChooseFontWorkflow::HeightFromPoints(9, 96), -12);
    EXPECT_EQ(ChooseFontWorkflow::HeightFromPoints(10, 192), -27); // 26.67
    EXPECT_EQ(ChooseFontWorkflow::PointsFromHeight(-14, 192), 5);  // 5.25
    EXPECT_EQ(ChooseFontWorkflow::PointsFromHeight(-2, 96), 2);    // 1.5 goes up
    EXPECT_EQ(ChooseFontWorkflow::PointsFromHeight(2, 96), -1);    // -1.5 goes up too
}

TEST(ChooseFont, OkMakesTheRecordAndKeepsItsOtherFields)
{
    SandboxDevice device;
    ASSERT_TRUE(CreatePreferenceKeyChain());
    ChooseFontWorkflow dialog(Tahoma(-13), 96);
    dialog.SetFaceNames({ u"Tahoma", u"Verdana" });
    ChooseFontWorkflow::Controls controls { u"Verdana", u"12", false, false, true, false };
    EXPECT_EQ(dialog.Ok(controls), DialogOutcome::Close(DialogResults::Ok));
    const LogicalFont& chosen = dialog.GetFont();
    EXPECT_EQ(chosen.faceName, u"Verdana");
    EXPECT_EQ(chosen.height, -16);
    EXPECT_EQ(chosen.weight, 400);
    EXPECT_EQ(chosen.italic, 0);
    EXPECT_EQ(chosen.underline, 1);
    EXPECT_EQ(chosen.quality, 0);
    EXPECT_EQ(chosen.charSet, 1);
    ASSERT_TRUE(dialog.WriteChoice());
    EXPECT_EQ(ReadMainViewFont(), chosen);
}

TEST(ChooseFont, AnySizeTextIsTakenAndALongFaceNameIsRefused)
{
    SandboxDevice device;
    ChooseFontWorkflow dialog(Tahoma(-13), 96);
    dialog.SetFaceNames({ u"Tahoma" });
    auto controls = dialog.Opening();
    controls.size = u"big";
    ASSERT_TRUE(dialog.Ok(controls).closes);
    EXPECT_EQ(dialog.GetFont().height, 0) << "the platform's default height";
    controls.size = u" 8pt";
    ASSERT_TRUE(dialog.Ok(controls).closes);
    EXPECT_EQ(dialog.GetFont().height, -11);

    controls.faceName = std::u16string(32, u'f');
    DialogOutcome outcome = dialog.Ok(controls);
    EXPECT_FALSE(outcome.closes);
    EXPECT_EQ(outcome.faultyField, ChooseFontWorkflow::kFaceField);
    EXPECT_EQ(device.Interaction().ShownMessages().back().text, "Please enter no more than 31 characters.");
}
