#include "app/CRegistry.h"
#include "platform/RegistryHive.h"
#include "support/SandboxDevice.h"

#include <gtest/gtest.h>

TEST(CRegistry, StringsStoreTheirTerminatorAndReadBackCutAtTheFirstZero)
{
    SandboxDevice device;
    CRegistry key;
    ASSERT_TRUE(key.Create(RegistryRoot::CurrentUser, u"Software\\Test"));
    ASSERT_TRUE(key.SetString(u"Name", u"abc"));
    EXPECT_EQ(key.GetValueSize(u"Name"), (3u + 1) * 2);

    std::u16string text = u"unchanged";
    EXPECT_FALSE(key.GetString(u"Missing", text));
    EXPECT_EQ(text, u"unchanged");
    ASSERT_TRUE(key.GetString(u"Name", text));
    EXPECT_EQ(text, u"abc");

    const char16_t embedded[] = u"ab\0cd";
    ASSERT_TRUE(key.SetValue(u"Embedded", embedded, sizeof embedded, RegistryType::String));
    ASSERT_TRUE(key.GetString(u"Embedded", text));
    EXPECT_EQ(text, u"ab");
}

TEST(CRegistry, QueryValueReportsTheSizeNeeded)
{
    SandboxDevice device;
    CRegistry key;
    ASSERT_TRUE(key.Create(RegistryRoot::CurrentUser, u"Software\\Test"));
    std::uint8_t data[8] = { 1, 2, 3, 4, 5, 6, 7, 8 };
    ASSERT_TRUE(key.SetValue(u"Blob", data, sizeof data, RegistryType::Binary));

    std::uint8_t small[4] {};
    std::uint32_t size = sizeof small;
    std::uint32_t type = 0;
    EXPECT_FALSE(key.QueryValue(u"Blob", small, size, type));
    EXPECT_EQ(size, 8u);
    std::uint8_t big[16] {};
    size = sizeof big;
    EXPECT_TRUE(key.QueryValue(u"Blob", big, size, type));
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(type, RegistryType::Binary);
    EXPECT_EQ(big[7], 8);
}

TEST(CRegistry, OneShotOperationsNeverCreateTheKey)
{
    SandboxDevice device;
    EXPECT_FALSE(CRegistry::WriteDWORD(RegistryRoot::CurrentUser, u"Software\\Nowhere", u"x", 1));
    EXPECT_EQ(CRegistry::ReadDWORD(RegistryRoot::CurrentUser, u"Software\\Nowhere", u"x", 42), 42u);
    EXPECT_EQ(CRegistry::ReadString(RegistryRoot::CurrentUser, u"Software\\Nowhere", u"x", u"default"), u"default");
    EXPECT_FALSE(RegistryHive::CurrentUser().KeyExists("Software\\Nowhere"));

    CRegistry key;
    ASSERT_TRUE(key.Create(RegistryRoot::CurrentUser, u"Software\\Here"));
    EXPECT_TRUE(CRegistry::WriteDWORD(RegistryRoot::CurrentUser, u"Software\\Here", u"x", 7));
    EXPECT_EQ(CRegistry::ReadDWORD(RegistryRoot::CurrentUser, u"Software\\Here", u"x", 42), 7u);
    // A value of another size is not a DWORD.
    EXPECT_TRUE(CRegistry::WriteBinary(RegistryRoot::CurrentUser, u"Software\\Here", u"short", "ab", 2));
    EXPECT_EQ(CRegistry::ReadDWORD(RegistryRoot::CurrentUser, u"Software\\Here", u"short", 42), 42u);
}
