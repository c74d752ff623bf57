#include "platform/FileSystem.h"
#include "platform/RegistryHive.h"
#include "support/ResourceLimits.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

static const std::string kPreferences = "Software\\Quillberry\\Vellumbrix\\Preferences";

static RegistryValue Dword(uint32_t v)
{
    return { RegistryType::DWord, { uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24) } };
}

static RegistryValue Text(std::u16string text)
{
    RegistryValue value { RegistryType::String, {} };
    for (char16_t c : text) {
        value.data.push_back(uint8_t(c));
        value.data.push_back(uint8_t(c >> 8));
    }
    value.data.push_back(0);
    value.data.push_back(0);
    return value;
}

TEST(RegistryHive, WritesTheExportFormatAndReadsItBack)
{
    TemporaryFolder folder;
    std::string path = folder.File("registry.reg");
    {
        RegistryHive hive(path);
        ASSERT_EQ(hive.CreateKey(kPreferences), Error::Success);
        ASSERT_EQ(hive.SetValue(kPreferences, "Show Edit Dialog", Dword(10)), Error::Success);
        ASSERT_EQ(hive.SetValue(kPreferences, "Currently Viewed Blog", Text(u"my \"blog\" \\ é")), Error::Success);
        ASSERT_EQ(hive.SetValue(kPreferences, "Main View Font", { RegistryType::Binary, { 0xf3, 0xff, 0x00 } }), Error::Success);
        ASSERT_EQ(hive.SetValue(kPreferences, "Odd", { 7, { 0x61, 0x00 } }), Error::Success);
    }
    std::string text = ReadTextFile(path);
    EXPECT_EQ(text,
        "Windows Registry Editor Version 5.00\n"
        "\n[HKEY_CURRENT_USER\\Software]\n"
        "\n[HKEY_CURRENT_USER\\Software\\Quillberry]\n"
        "\n[HKEY_CURRENT_USER\\Software\\Quillberry\\Vellumbrix]\n"
        "\n[HKEY_CURRENT_USER\\Software\\Quillberry\\Vellumbrix\\Preferences]\n"
        "\"Currently Viewed Blog\"=\"my \\\"blog\\\" \\\\ é\"\n"
        "\"Main View Font\"=hex:f3,ff,00\n"
        "\"Odd\"=hex(7):61,00\n"
        "\"Show Edit Dialog\"=dword:0000000a\n");

    RegistryHive reread(path);
    EXPECT_FALSE(reread.LoadedDamagedFile());
    EXPECT_EQ(reread.QueryValue(kPreferences, "show edit dialog"), Dword(10));
    EXPECT_EQ(reread.QueryValue(kPreferences, "Currently Viewed Blog"), Text(u"my \"blog\" \\ é"));
    EXPECT_EQ(reread.QueryValue(kPreferences, "Odd"), (RegistryValue { 7, { 0x61, 0x00 } }));
    EXPECT_EQ(reread.QueryValue(kPreferences, "Currently Viewed Blog")->data.size(), (13u + 1) * 2);
    EXPECT_FALSE(reread.QueryValue(kPreferences, "Missing"));
    EXPECT_TRUE(reread.KeyExists("software\\quillberry"));
}

TEST(RegistryHive, StringsThatCannotBeQuotedKeepTheirExactBytes)
{
    TemporaryFolder folder;
    std::string path = folder.File("registry.reg");
    RegistryHive hive(path);
    ASSERT_EQ(hive.CreateKey("Software"), Error::Success);
    RegistryValue newline = Text(u"two\nlines");
    RegistryValue unterminated { RegistryType::String, { 'a', 0, 'b', 0 } };
    RegistryValue oddLength { RegistryType::String, { 'a', 0, 0 } };
    ASSERT_EQ(hive.SetValue("Software", "newline", newline), Error::Success);
    ASSERT_EQ(hive.SetValue("Software", "unterminated", unterminated), Error::Success);
    ASSERT_EQ(hive.SetValue("Software", "odd", oddLength), Error::Success);

    RegistryHive reread(path);
    EXPECT_EQ(reread.QueryValue("Software", "newline"), newline);
    EXPECT_EQ(reread.QueryValue("Software", "unterminated"), unterminated);
    EXPECT_EQ(reread.QueryValue("Software", "odd"), oddLength);
}

TEST(RegistryHive, SetValueNeedsAnExistingKey)
{
    TemporaryFolder folder;
    RegistryHive hive(folder.File("registry.reg"));
    EXPECT_NE(hive.SetValue(kPreferences, "x", Dword(1)), Error::Success);
    EXPECT_FALSE(PathExists(folder.File("registry.reg")));
}

TEST(RegistryHive, ReadsContinuedHexListsAndRegeditUtf16Files)
{
    TemporaryFolder folder;
    std::string path = folder.File("registry.reg");
    std::string text = "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\A]\r\n"
                       "\"Font\"=hex:01,02,\\\r\n  03,04\r\n@=\"default\"\r\n";
    std::string utf16 = "\xFF\xFE";
    for (char c : text) {
        utf16 += c;
        utf16 += '\0';
    }
    WriteTextFile(path, utf16);
    RegistryHive hive(path);
    EXPECT_FALSE(hive.LoadedDamagedFile());
    EXPECT_EQ(hive.QueryValue("Software\\A", "Font"), (RegistryValue { RegistryType::Binary, { 1, 2, 3, 4 } }));
    EXPECT_EQ(hive.QueryValue("Software\\A", ""), Text(u"default"));
}

TEST(RegistryHive, DamagedLinesAreMissingValuesAndTheFileIsKeptAside)
{
    TemporaryFolder folder;
    std::string path = folder.File("registry.reg");
    std::string damaged = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\A]\n"
                          "\"Good\"=dword:00000002\n"
                          "\"Bad\"=dword:1234567890\n"
                          "\"Half\"=hex:0\n"
                          "\"Unclosed=\"x\"\n"
                          "[HKEY_LOCAL_MACHINE\\Other]\n\"Elsewhere\"=dword:1\n"
                          "\"Trunc";
    WriteTextFile(path, damaged);

    RegistryHive hive(path);
    EXPECT_TRUE(hive.LoadedDamagedFile());
    EXPECT_EQ(hive.QueryValue("Software\\A", "Good"), Dword(2));
    EXPECT_FALSE(hive.QueryValue("Software\\A", "Bad"));
    EXPECT_FALSE(hive.QueryValue("Software\\A", "Half"));
    EXPECT_FALSE(hive.QueryValue("Other", "Elsewhere"));
    EXPECT_EQ(ReadTextFile(path), damaged) << "reading never changes the file";

    ASSERT_EQ(hive.SetValue("Software\\A", "New", Dword(3)), Error::Success);
    EXPECT_EQ(hive.DamagedCopyPath(), path + ".damaged");
    EXPECT_EQ(ReadTextFile(path + ".damaged"), damaged);
    RegistryHive reread(path);
    EXPECT_FALSE(reread.LoadedDamagedFile());
    EXPECT_EQ(reread.QueryValue("Software\\A", "Good"), Dword(2));
    EXPECT_EQ(reread.QueryValue("Software\\A", "New"), Dword(3));
}

TEST(RegistryHive, AFileThatIsNotARegistryExportIsKeptWhole)
{
    TemporaryFolder folder;
    std::string path = folder.File("registry.reg");
    WriteTextFile(path + ".damaged", "an older damaged copy");
    WriteTextFile(path, std::string("\x00\x01garbage", 9));
    RegistryHive hive(path);
    EXPECT_TRUE(hive.LoadedDamagedFile());
    EXPECT_FALSE(hive.KeyExists("Software"));
    ASSERT_EQ(hive.CreateKey("Software"), Error::Success);
    EXPECT_EQ(ReadTextFile(path + ".damaged"), "an older damaged copy");
    EXPECT_EQ(ReadTextFile(path + ".damaged-2"), std::string("\x00\x01garbage", 9));
}

TEST(RegistryHive, PicksUpChangesMadeByAnotherWriter)
{
    TemporaryFolder folder;
    std::string path = folder.File("registry.reg");
    RegistryHive first(path);
    RegistryHive second(path);
    ASSERT_EQ(first.CreateKey("Software"), Error::Success);
    ASSERT_EQ(first.SetValue("Software", "v", Dword(1)), Error::Success);
    EXPECT_EQ(second.QueryValue("Software", "v"), Dword(1));
    ASSERT_EQ(second.SetValue("Software", "v", Dword(2)), Error::Success);
    EXPECT_EQ(first.QueryValue("Software", "v"), Dword(2));
}

static std::string Utf16File(const std::u16string& text)
{
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

// What the next save would write differs from such a file: it must be kept
// aside like any other damaged one.
TEST(RegistryHive, TextThatCannotBeReadExactlyIsDamage)
{
    std::u16string header = u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\A]\r\n";
    std::u16string loneSurrogate = header + u"\"Blog\"=\"trips\xD800x\"\r\n";
    const std::string files[] = {
        Utf16File(loneSurrogate),
        Utf16File(header + u"\"Blog\"=\"trips\"\r\n") + "\x41",                                               // an odd byte at the end
        "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\A]\n\"Blog\"=\"trips\xC3\"\n", // malformed UTF-8
    };
    for (const std::string& bytes : files) {
        TemporaryFolder folder;
        std::string path = folder.File("registry.reg");
        WriteTextFile(path, bytes);
        RegistryHive hive(path);
        EXPECT_TRUE(hive.LoadedDamagedFile());
        ASSERT_EQ(hive.SetValue("Software\\A", "New", Dword(1)), Error::Success);
        EXPECT_EQ(hive.DamagedCopyPath(), path + ".damaged");
        EXPECT_EQ(ReadTextFile(path + ".damaged"), bytes) << "the file as it was is kept";
    }
}

static std::vector<std::string> DamagedCopies(const std::string& folder)
{
    std::vector<std::string> names;
    auto entries = ListFolder(folder);
    if (entries.IsError())
        return names;
    for (auto& entry : entries.Value()) {
        if (entry.name.find(".damaged") != std::string::npos)
            names.push_back(entry.name);
    }
    return names;
}

// On a failing disk every save fails; each run, and each access after a
// failed save, reads the damaged file again. One copy of it is enough.
TEST(RegistryHive, SavesThatFailKeepOneCopyOfTheDamagedFile)
{
    TemporaryFolder folder;
    std::string path = folder.File("registry.reg");
    std::string damaged = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\A]\n\"Good\"=dword:00000002\n\"Bad\n";
    WriteTextFile(path, damaged);
    {
        FileSizeLimit diskFull(16);
        RegistryHive hive(path);
        for (int attempt = 0; attempt < 3; ++attempt)
            EXPECT_NE(hive.SetValue("Software\\A", "New", Dword(3)), Error::Success);
        for (int run = 0; run < 3; ++run) {
            RegistryHive nextRun(path);
            EXPECT_NE(nextRun.SetValue("Software\\A", "New", Dword(3)), Error::Success);
        }
    }
    EXPECT_EQ(DamagedCopies(folder.Path()), std::vector<std::string> { "registry.reg.damaged" });
    EXPECT_EQ(ReadTextFile(path), damaged);

    // Space again: the save goes through, still with the one copy.
    RegistryHive hive(path);
    ASSERT_EQ(hive.SetValue("Software\\A", "New", Dword(3)), Error::Success);
    EXPECT_EQ(DamagedCopies(folder.Path()), std::vector<std::string> { "registry.reg.damaged" });
    EXPECT_EQ(ReadTextFile(path + ".damaged"), damaged);
    EXPECT_EQ(RegistryHive(path).QueryValue("Software\\A", "Good"), Dword(2));
}

TEST(RegistryHive, NoNumberOfKeptCopiesBlocksASave)
{
    TemporaryFolder folder;
    std::string path = folder.File("registry.reg");
    WriteTextFile(path + ".damaged", "copy 1");
    for (int number = 2; number <= 999; ++number)
        WriteTextFile(path + ".damaged-" + std::to_string(number), "copy " + std::to_string(number));
    WriteTextFile(path, "not a registry file");
    RegistryHive hive(path);
    ASSERT_EQ(hive.CreateKey("Software"), Error::Success);
    EXPECT_EQ(hive.DamagedCopyPath(), path + ".damaged-1000");
    EXPECT_EQ(ReadTextFile(path + ".damaged-1000"), "not a registry file");
    EXPECT_EQ(ReadTextFile(path + ".damaged-999"), "copy 999");
}
