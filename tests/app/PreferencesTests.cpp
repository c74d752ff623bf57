#include "app/CRegistry.h"
#include "app/PreferenceList.h"
#include "app/Preferences.h"
#include "app/ScreenScale.h"
#include "app/StartUp.h"
#include "platform/DeviceFolders.h"
#include "platform/FileSystem.h"
#include "support/SandboxDevice.h"

#include <gtest/gtest.h>

TEST(Preferences, AFreshDeviceAnswersEveryDefault)
{
    SandboxDevice device;
    EXPECT_EQ(ReadShowEditDialog(), 1u);
    EXPECT_EQ(ReadStayInCamera(), 0u);
    EXPECT_FALSE(ReadMainViewFont());
    EXPECT_EQ(ReadCurrentlyViewedBlog(), u"");
    EXPECT_EQ(ReadDownloadPhotoSize(), 5u);
    EXPECT_EQ(ReadLastRemoteBlog(), u"");
    EXPECT_EQ(ReadLastMessageCheck(), 0u);
    EXPECT_EQ(ReadLastIgnoredVersion(), u"1.0");
    EXPECT_EQ(ReadLastMessageNumber(), 0u);
    EXPECT_EQ(ReadServiceHost(), u"127.0.0.1:8080");
    for (auto& preference : AllPreferences()) {
        bool isDefault = false;
        PreferenceText(preference, &isDefault);
        EXPECT_TRUE(isDefault) << PreferenceName(preference);
    }
}

TEST(Preferences, WritersWorkOnceStartUpMadeTheKeyChain)
{
    SandboxDevice device;
    EXPECT_FALSE(WriteStayInCamera(1)) << "writers only open keys";
    EXPECT_FALSE(PathExists(DeviceFolders::Current().RegistryFile()));

    ASSERT_TRUE(CreatePreferenceKeyChain());
    EXPECT_TRUE(WriteStayInCamera(1));
    EXPECT_TRUE(WriteCurrentlyViewedBlog(u"Trips"));
    EXPECT_TRUE(WriteLastIgnoredVersion(u"1.2b1"));
    EXPECT_EQ(ReadStayInCamera(), 1u);
    EXPECT_EQ(ReadCurrentlyViewedBlog(), u"Trips");
    EXPECT_EQ(ReadLastIgnoredVersion(), u"1.2b1");

    EXPECT_TRUE(WriteCurrentlyViewedBlog(u""));
    EXPECT_EQ(ReadCurrentlyViewedBlog(), u"") << "the home list stores an empty text";
}

TEST(Preferences, TheFontIsUsedOnlyWhenItIsExactlyOneRecord)
{
    SandboxDevice device;
    ASSERT_TRUE(CreatePreferenceKeyChain());
    LogicalFont font;
    font.height = -13;
    font.weight = 700;
    font.italic = 1;
    font.faceName = u"Tahoma";
    ASSERT_TRUE(WriteMainViewFont(font));
    EXPECT_EQ(ReadMainViewFont(), font);

    std::uint8_t tooLong[93] {};
    ASSERT_TRUE(CRegistry::WriteBinary(RegistryRoot::CurrentUser, kPreferencesKey, u"Main View Font", tooLong, sizeof tooLong));
    EXPECT_FALSE(ReadMainViewFont());
    std::uint8_t tooShort[91] {};
    ASSERT_TRUE(CRegistry::WriteBinary(RegistryRoot::CurrentUser, kPreferencesKey, u"Main View Font", tooShort, sizeof tooShort));
    EXPECT_FALSE(ReadMainViewFont());
}

TEST(Preferences, ListWritesFromText)
{
    SandboxDevice device;
    ASSERT_TRUE(CreatePreferenceKeyChain());
    const Preference* size = FindPreference("download photo size");
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(PreferenceText(*size), "5");
    EXPECT_EQ(WritePreferenceText(*size, "five"), Error::InvalidParameter);
    EXPECT_EQ(WritePreferenceText(*size, "-1"), Error::InvalidParameter);
    EXPECT_EQ(WritePreferenceText(*size, "3"), Error::Success);
    bool isDefault = true;
    EXPECT_EQ(PreferenceText(*size, &isDefault), "3");
    EXPECT_FALSE(isDefault);
    EXPECT_EQ(ReadDownloadPhotoSize(), 3u) << "the accessor reads what the list wrote";

    const Preference* font = FindPreference("Main View Font");
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(WritePreferenceText(*font, "Noto Sans,-12,400"), Error::Success);
    EXPECT_EQ(PreferenceText(*font), "Noto Sans,-12,400");
    EXPECT_EQ(WritePreferenceText(*font, ",12"), Error::InvalidParameter);
    EXPECT_EQ(WritePreferenceText(*font, "A face name that is much longer than thirty-one units"), Error::InvalidParameter);

    const Preference* host = FindPreference("SERVICE HOST");
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(PreferenceText(*host), "127.0.0.1:8080");
    EXPECT_EQ(WritePreferenceText(*host, "example.test:81"), Error::Success);
    EXPECT_EQ(ReadServiceHost(), u"example.test:81");
    EXPECT_EQ(FindPreference("Colour"), nullptr);
}

// A writer that fails says why: the registry's own reason.
TEST(Preferences, AFailedWriteGivesTheRegistrysReason)
{
    SandboxDevice device;
    ASSERT_EQ(CreateFolder(DeviceFolders::Current().RegistryFile()), Error::Success); // a folder where the file goes
    EXPECT_FALSE(CreatePreferenceKeyChain());
    const Preference* camera = FindPreference("Stay In Camera");
    ASSERT_NE(camera, nullptr);
    EXPECT_EQ(WritePreferenceText(*camera, "1"), Error::IsADirectory);
}

TEST(ScreenScale, IsPixelsPerInchOverNinetySix)
{
    ScreenScale scale = ScreenScale::FromDotsPerInch(192, 96);
    EXPECT_DOUBLE_EQ(scale.horizontal, 2.0);
    EXPECT_DOUBLE_EQ(scale.vertical, 1.0);
    EXPECT_EQ(ScreenScale::FromDotsPerInch(131, 131).ScaleY(26), 35);
}
