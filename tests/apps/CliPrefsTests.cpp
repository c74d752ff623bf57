#include "CliRunner.h"
#include "support/TemporaryFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

TEST(CliPrefs, ListsDefaultsThenWritesOne)
{
    TemporaryFolder home;
    auto listed = RunCli({ "--home", home.Path(), "prefs" });
    ASSERT_EQ(listed.status, 0) << listed.err;
    auto list = nlohmann::json::parse(listed.out);
    ASSERT_TRUE(list.is_array());
    bool sawHost = false;
    for (auto& preference : list) {
        EXPECT_TRUE(preference["default"].get<bool>());
        if (preference["name"] == "Service Host") {
            sawHost = true;
            EXPECT_EQ(preference["value"], "127.0.0.1:8080");
        }
        if (preference["name"] == "Show Edit Dialog") {
            EXPECT_EQ(preference["value"], 1);
        }
    }
    EXPECT_TRUE(sawHost);

    auto written = RunCli({ "prefs", "Download Photo Size", "7", "--home", home.Path() });
    ASSERT_EQ(written.status, 0) << written.err;
    auto again = nlohmann::json::parse(RunCli({ "--home", home.Path(), "prefs" }).out);
    for (auto& preference : again) {
        if (preference["name"] == "Download Photo Size") {
            EXPECT_EQ(preference["value"], 7);
            EXPECT_FALSE(preference["default"].get<bool>());
        }
    }
    EXPECT_NE(ReadTextFile(home.File("registry.reg")).find("\"Download Photo Size\"=dword:00000007"), std::string::npos);
}

TEST(CliPrefs, RejectsUnknownNamesAndBadValues)
{
    TemporaryFolder home;
    auto unknown = RunCli({ "--home", home.Path(), "prefs", "Colour", "red" });
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("no preference named 'Colour'"), std::string::npos);
    auto bad = RunCli({ "--home", home.Path(), "prefs", "Stay In Camera", "maybe" });
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.out.empty());
    EXPECT_NE(bad.err.find("takes a whole number"), std::string::npos) << bad.err;
}

TEST(CliPrefs, AFailedWriteGivesTheSystemsReason)
{
    TemporaryFolder home;
    std::filesystem::create_directories(home.File("registry.reg")); // a folder where the file goes
    auto failed = RunCli({ "--home", home.Path(), "prefs", "Stay In Camera", "1" });
    EXPECT_EQ(failed.status, 1);
    EXPECT_TRUE(failed.out.empty());
    EXPECT_NE(failed.err.find("could not set \"Stay In Camera\": is a directory (system error 336)"), std::string::npos) << failed.err;
}

TEST(CliError, PrintsTheTableText)
{
    auto known = RunCli({ "error", "8003" });
    EXPECT_EQ(known.status, 0);
    EXPECT_EQ(known.out, "Email already used\n");
    EXPECT_EQ(RunCli({ "error", "-234" }).out, "Progressive JPEGs not supported\n");
    EXPECT_EQ(RunCli({ "error", "12345" }).out, "An unknown error occurred (12345).\n");
    EXPECT_EQ(RunCli({ "error", "0xFFFFFF27" }).out, "Invalid JPEG\n");
    EXPECT_EQ(RunCli({ "error", "twelve" }).status, 2);
    EXPECT_EQ(RunCli({ "error" }).status, 2);
    EXPECT_EQ(RunCli({ "bogus" }).status, 2);
}
