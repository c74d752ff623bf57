#include "CliRunner.h"
#include "support/SampleArchiveFiles.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

namespace {

std::vector<std::string> Keys(const nlohmann::ordered_json& object)
{
    std::vector<std::string> keys;
    for (auto& item : object.items())
        keys.push_back(item.key());
    return keys;
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

}

TEST(CliInspect, PrintsEveryFieldOfAStoreInFileOrder)
{
    TemporaryFolder folder;
    std::string path = folder.File("trips.vxl");
    WriteTextFile(path, Sample::StoreFile());
    auto result = RunCli({ "inspect", path });
    ASSERT_EQ(result.status, 0) << result.err;
    auto json = nlohmann::ordered_json::parse(result.out);

    EXPECT_EQ(Keys(json), (std::vector<std::string> { "format_version", "blog", "download_stamp", "status_filter", "category_filter", "entries", "categories", "comments", "deleted_entries", "deleted_categories", "deleted_comments" }));
    EXPECT_EQ(Keys(json["blog"]), (std::vector<std::string> { "owner_id", "group_blog", "url_name", "string2", "string3", "title", "subtitle", "view_password", "hidden", "read_only", "comments_allowed", "upload_size", "download_size", "limit_entries", "entry_limit", "delete_after_upload", "last_flag", "settings_modified" }));
    EXPECT_EQ(json["format_version"], 1);
    EXPECT_EQ(json["download_stamp"], 1234567);
    EXPECT_EQ(json["status_filter"], 2);
    EXPECT_EQ(json["category_filter"], 77);
    auto& blog = json["blog"];
    EXPECT_EQ(blog["owner_id"], 4242);
    EXPECT_EQ(blog["group_blog"], 1);
    EXPECT_EQ(blog["url_name"], "trips");
    EXPECT_EQ(blog["string2"], "s2");
    EXPECT_EQ(blog["subtitle"], "Sea & sand \xE2\x98\x80");
    EXPECT_EQ(blog["read_only"], true);
    EXPECT_EQ(blog["limit_entries"], false);
    EXPECT_EQ(blog["entry_limit"], 40);

    ASSERT_EQ(json["entries"].size(), 2u);
    auto& entry = json["entries"][0];
    EXPECT_EQ(Keys(entry), (std::vector<std::string> { "server_id", "category_id", "poster_id", "title", "caption", "author", "thumbnail_url", "photo_url", "source_url", "post_date", "taken_date", "file_size", "width", "height", "photo_state", "state2", "status_bits", "photo_path", "pending", "unconfirmed", "thumbnail_size", "thumbnail_sha1" }));
    EXPECT_EQ(entry["server_id"], 501);
    EXPECT_EQ(entry["post_date"], 3000000000u);
    EXPECT_EQ(entry["state2"], 9);
    EXPECT_EQ(entry["status_bits"], 3);
    EXPECT_EQ(entry["pending"], false);
    EXPECT_EQ(entry["unconfirmed"], true);
    EXPECT_EQ(entry["thumbnail_size"], 3);
    EXPECT_EQ(entry["thumbnail_sha1"], "a9993e364706816aba3e25717850c26c9cd0d89d");
    EXPECT_EQ(json["entries"][1]["title"], "Caf\xC3\xA9");
    EXPECT_TRUE(json["entries"][1]["thumbnail_sha1"].is_null());

    EXPECT_EQ(Keys(json["categories"][0]), (std::vector<std::string> { "id", "name", "url", "modified", "unconfirmed" }));
    EXPECT_EQ(json["categories"][0]["name"], "Travel");
    EXPECT_EQ(Keys(json["comments"][0]), (std::vector<std::string> { "entry_id", "pending", "comment_id", "author_id", "text", "author", "date", "unconfirmed" }));
    EXPECT_EQ(json["comments"][0]["text"], "Lovely!");
    EXPECT_EQ(json["deleted_entries"][0]["server_id"], 444);
    EXPECT_EQ(json["deleted_categories"][0]["unconfirmed"], true);
    EXPECT_EQ(json["deleted_comments"][0]["comment_id"], 9002);
}

TEST(CliInspect, PrintsAUserFile)
{
    TemporaryFolder folder;
    std::string path = folder.File("UserInfo.VXU");
    WriteTextFile(path, Sample::UserFile(0));
    auto result = RunCli({ "inspect", path });
    ASSERT_EQ(result.status, 0) << result.err;
    auto json = nlohmann::ordered_json::parse(result.out);
    EXPECT_EQ(Keys(json), (std::vector<std::string> { "format_version", "user_id", "email", "password", "pro_account", "photo_quota", "blog_url_names", "remote_blog_names" }));
    EXPECT_EQ(json["format_version"], 0);
    EXPECT_EQ(json["user_id"], 31337);
    EXPECT_EQ(json["pro_account"], 1);
    EXPECT_EQ(json["blog_url_names"], nlohmann::ordered_json({ "trips", "caf\xC3\xA9-blog" }));
    EXPECT_EQ(json["remote_blog_names"], nlohmann::ordered_json::array());
}

TEST(CliInspect, TextsThatAreNotUtf8StillGiveValidJson)
{
    TemporaryFolder folder;
    std::string path = folder.File("odd.vxl");
    std::string bytes = Sample::StoreFile();
    bytes.replace(bytes.find("Summer Trips"), 12, "Summer \xFF\xFEips");
    WriteTextFile(path, bytes);
    auto result = RunCli({ "inspect", path });
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(nlohmann::json::parse(result.out)["blog"]["title"], "Summer \xEF\xBF\xBD\xEF\xBF\xBDips");
}

TEST(CliInspect, ADamagedFileNamesWhatCouldNotBeRead)
{
    TemporaryFolder folder;
    std::string path = folder.File("trips.vxl");
    std::string bytes = Sample::StoreFile();
    std::string cut = bytes.substr(0, bytes.find("Caf\xC3\xA9") + 2);
    WriteTextFile(path, cut);
    for (const char* command : { "inspect", "resave" }) {
        auto result = RunCli({ command, path });
        EXPECT_EQ(result.status, 1) << command;
        EXPECT_TRUE(result.out.empty()) << command;
        EXPECT_TRUE(Contains(result.err, "is damaged: the data ends early")) << result.err;
        EXPECT_TRUE(Contains(result.err, "in the title of record 2 of 2 in entries")) << result.err;
        EXPECT_EQ(ReadTextFile(path), cut);
    }
    struct stat st { };
    EXPECT_NE(::stat((path + ".damaged").c_str(), &st), 0) << "resave leaves a damaged file alone";

    std::string user = folder.File("UserInfo.vxu");
    WriteTextFile(user, Sample::UserFile(1) + "junk");
    auto result = RunCli({ "inspect", user });
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(Contains(result.err, "4 bytes after the last field")) << result.err;

    std::string unknown = folder.File("unknown.vxl");
    bytes.replace(bytes.find("CWinBlogComment"), 15, "CWinBlogRemark!");
    WriteTextFile(unknown, bytes);
    result = RunCli({ "inspect", unknown });
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(Contains(result.err, "class \"CWinBlogRemark!\" where a CWinBlogComment belongs")) << result.err;
}

TEST(CliInspect, RejectsOtherFiles)
{
    TemporaryFolder folder;
    auto missing = RunCli({ "inspect", folder.File("none.vxl") });
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(Contains(missing.err, "no such file")) << missing.err;
    WriteTextFile(folder.File("photo.jpg"), "x");
    auto other = RunCli({ "inspect", folder.File("photo.jpg") });
    EXPECT_EQ(other.status, 2);
    EXPECT_TRUE(Contains(other.err, "neither a blog store file (.vxl) nor a user file (.vxu)")) << other.err;
    EXPECT_EQ(RunCli({ "inspect" }).status, 2);
    EXPECT_EQ(RunCli({ "resave", folder.File("photo.jpg") }).status, 2);
}

TEST(CliResave, WritesFilesOfThisProgramBackUnchanged)
{
    TemporaryFolder folder;
    std::string store = folder.File("Trips.VXL");
    std::string user = folder.File("UserInfo.vxu");
    WriteTextFile(store, Sample::StoreFile());
    WriteTextFile(user, Sample::UserFile(1));
    for (auto& path : { store, user }) {
        auto result = RunCli({ "resave", path });
        ASSERT_EQ(result.status, 0) << result.err;
        auto json = nlohmann::json::parse(result.out);
        EXPECT_EQ(json["file"], path);
        EXPECT_EQ(json["format_version"], 1);
    }
    EXPECT_EQ(ReadTextFile(store), Sample::StoreFile());
    EXPECT_EQ(ReadTextFile(user), Sample::UserFile(1));

    // Older files come out in the current format.
    WriteTextFile(store, Sample::StoreFile(0));
    ASSERT_EQ(RunCli({ "resave", store }).status, 0);
    auto json = nlohmann::json::parse(RunCli({ "inspect", store }).out);
    EXPECT_EQ(json["format_version"], 1);
    EXPECT_EQ(json["download_stamp"], 0);
    EXPECT_TRUE(json["comments"].empty());
}
