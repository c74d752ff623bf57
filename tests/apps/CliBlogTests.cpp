#include "CliRunner.h"
#include "JpegTestKit.h"
#include "support/SampleArchiveFiles.h"
#include "support/TemporaryFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

using Json = nlohmann::ordered_json;

namespace {

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// A sandboxed device with the user file and blog stores written by hand.
class Device {
public:
    Device()
    {
        std::filesystem::create_directories(DataFolder());
        std::filesystem::create_directories(Documents());
    }

    std::string DataFolder() const { return m_home.File("My Documents/Quillberry/Vellumbrix"); }
    std::string Documents() const { return m_home.File("My Documents"); }
    std::string StorePath(const std::string& urlName) const { return DataFolder() + "/" + urlName + ".vxl"; }

    void WriteUser() const { WriteTextFile(DataFolder() + "/UserInfo.vxu", Sample::UserFile()); }
    void WriteStore(const std::string& urlName, const std::string& bytes) const { WriteTextFile(StorePath(urlName), bytes); }

    std::string WritePhoto(const std::string& name, bool progressive = false) const
    {
        JpegOptions options;
        options.progressive = progressive;
        auto bytes = EncodeJpeg(MakePhotoLikePicture(120, 90, 7), options);
        std::string path = Documents() + "/" + name;
        WriteTextFile(path, std::string(bytes.begin(), bytes.end()));
        return path;
    }

    CliResult Run(std::vector<std::string> arguments) const
    {
        arguments.insert(arguments.begin(), { "--home", m_home.Path() });
        return RunCli(arguments);
    }

    // The store as "inspect" shows it.
    Json Inspect(const std::string& urlName) const
    {
        auto result = RunCli({ "inspect", StorePath(urlName) });
        EXPECT_EQ(result.status, 0) << result.err;
        return Json::parse(result.out);
    }

private:
    TemporaryFolder m_home;
};

Sample::Entry PublishedWithPhoto(std::uint32_t id, std::uint32_t date, const std::string& photo)
{
    Sample::Entry e;
    e.serverId = id;
    e.postDate = date;
    e.posterId = 31337;
    e.pending = false;
    e.photoState = 7;
    e.photoPath = photo;
    e.thumbnail = "tiny";
    return e;
}

Sample::Entry Unsent(std::uint32_t date, const std::string& photo)
{
    Sample::Entry e = PublishedWithPhoto(0, date, photo);
    e.pending = true;
    return e;
}

}

TEST(CliBlogs, AFreshSandboxHasNoBlogs)
{
    Device device;
    auto blogs = device.Run({ "blogs" });
    ASSERT_EQ(blogs.status, 0) << blogs.err;
    EXPECT_EQ(Json::parse(blogs.out), Json::array());
    auto entries = device.Run({ "entries", "trips" });
    EXPECT_EQ(entries.status, 1);
    EXPECT_TRUE(Contains(entries.err, "no blog 'trips'")) << entries.err;
    EXPECT_EQ(device.Run({ "add-photo", "trips", device.WritePhoto("a.jpg") }).status, 1);
    EXPECT_EQ(device.Run({ "entries" }).status, 2);
}

TEST(CliBlogs, ListsHandWrittenStoresByDisplayName)
{
    Device device;
    device.WriteStore("trips", Sample::StoreFile());
    device.WriteStore("food", Sample::BlogStoreFile("food", { Unsent(5, "/x.jpg"), Unsent(4, "/y.jpg"), PublishedWithPhoto(9, 3, "/z.jpg") }));
    auto result = device.Run({ "blogs" });
    ASSERT_EQ(result.status, 0) << result.err;
    Json expected = Json::parse(R"([
        {"url_name": "food", "title": "", "display_name": "food", "entries": 3, "pending": 2, "group_blog": false, "read_only": false},
        {"url_name": "trips", "title": "Summer Trips", "display_name": "Summer Trips", "entries": 2, "pending": 1, "group_blog": true, "read_only": true}
    ])");
    EXPECT_EQ(Json::parse(result.out), expected);
}

TEST(CliEntries, ShowsTheFilteredEntriesWithTheirStoreIndex)
{
    Device device;
    device.WriteStore("trips", Sample::StoreFile());
    // The store's own filters: published entries of category 77.
    auto own = device.Run({ "entries", "TRIPS" });
    ASSERT_EQ(own.status, 0) << own.err;
    auto list = Json::parse(own.out);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0]["index"], 0);
    EXPECT_EQ(list[0]["server_id"], 501);
    EXPECT_EQ(list[0].size(), device.Inspect("trips")["entries"][0].size() + 1);

    auto pending = Json::parse(device.Run({ "entries", "trips", "--status", "1", "--category", "4294967295" }).out);
    ASSERT_EQ(pending.size(), 1u);
    EXPECT_EQ(pending[0]["index"], 1);
    EXPECT_EQ(pending[0]["title"], "Caf\xC3\xA9");
    EXPECT_EQ(Json::parse(device.Run({ "entries", "trips", "--status", "0", "--category", "0" }).out).size(), 1u);
    EXPECT_EQ(device.Inspect("trips")["status_filter"], 2) << "the listing does not change the store";
    EXPECT_EQ(device.Run({ "entries", "trips", "--status", "x" }).status, 2);
    EXPECT_EQ(device.Run({ "entries", "trips", "--category", "-1" }).status, 2);
}

TEST(CliAddPhoto, AddsPendingEntriesWithThumbnailsAndSavesOnce)
{
    Device device;
    device.WriteUser();
    device.WriteStore("food", Sample::BlogStoreFile("food", {}, { { 77, "Travel", "", false, false } }));
    std::string first = device.WritePhoto("first.jpg");
    std::string second = device.WritePhoto("second.jpg");
    auto result = device.Run({ "add-photo", "food", first, second, "--title", "Lunch", "--caption", "Soup", "--category", "travel" });
    ASSERT_EQ(result.status, 0) << result.err;
    auto added = Json::parse(result.out);
    ASSERT_EQ(added.size(), 2u);
    for (auto& entry : added) {
        EXPECT_EQ(entry["server_id"], 0);
        EXPECT_EQ(entry["pending"], true);
        EXPECT_EQ(entry["photo_state"], 7);
        EXPECT_EQ(entry["title"], "Lunch");
        EXPECT_EQ(entry["caption"], "Soup");
        EXPECT_EQ(entry["category_id"], 77);
        EXPECT_EQ(entry["width"], 120);
        EXPECT_GT(entry["thumbnail_size"].get<int>(), 0);
    }
    auto stored = device.Inspect("food")["entries"];
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[added[0]["index"].get<int>()]["photo_path"], first);
    EXPECT_EQ(stored[added[1]["index"].get<int>()]["photo_path"], second);

    // A photo the decoder cannot read still becomes an entry.
    auto progressive = device.Run({ "add-photo", "food", device.WritePhoto("progressive.jpg", true) });
    ASSERT_EQ(progressive.status, 0) << progressive.err;
    EXPECT_EQ(Json::parse(progressive.out)[0]["thumbnail_size"], 0);
    EXPECT_TRUE(Contains(progressive.err, "cannot be decoded")) << progressive.err;
    EXPECT_EQ(device.Inspect("food")["entries"].size(), 3u);
}

TEST(CliAddPhoto, RefusesWithoutPermissionAndAddsNothingForAFileThatIsNoJpeg)
{
    Device device;
    device.WriteStore("food", Sample::BlogStoreFile("food", {}));
    device.WriteStore("trips", Sample::StoreFile());
    std::string photo = device.WritePhoto("a.jpg");

    // No account yet: the user may not add anywhere.
    auto noUser = device.Run({ "add-photo", "food", photo });
    EXPECT_EQ(noUser.status, 1);
    EXPECT_TRUE(Contains(noUser.err, "You do not have permission to edit this blog.")) << noUser.err;

    device.WriteUser();
    auto readOnly = device.Run({ "add-photo", "trips", photo });
    EXPECT_EQ(readOnly.status, 1);
    EXPECT_TRUE(Contains(readOnly.err, "You do not have permission")) << readOnly.err;

    std::string before = ReadTextFile(device.StorePath("food"));
    std::string text = device.Documents() + "/notes.jpg";
    WriteTextFile(text, "just words");
    auto notJpeg = device.Run({ "add-photo", "food", photo, text });
    EXPECT_EQ(notJpeg.status, 1);
    EXPECT_TRUE(Contains(notJpeg.err, "Invalid JPEG")) << notJpeg.err;
    EXPECT_EQ(device.Run({ "add-photo", "food", photo, device.Documents() + "/missing.jpg" }).status, 1);
    EXPECT_EQ(device.Run({ "add-photo", "food", photo, "--category", "Nope" }).status, 1);
    EXPECT_EQ(ReadTextFile(device.StorePath("food")), before);
}

TEST(CliCategories, NewCategoriesTakeLocalIdsAndUniqueNames)
{
    Device device;
    device.WriteUser();
    device.WriteStore("food", Sample::BlogStoreFile("food", {}, { { 77, "Travel", "", false, false } }));
    auto made = device.Run({ "new-category", "food", "Breakfast" });
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(Json::parse(made.out)["id"], 4294967040u);
    EXPECT_EQ(Json::parse(made.out)["modified"], true);
    auto again = device.Run({ "new-category", "food", "TRAVEL" });
    EXPECT_EQ(again.status, 1);
    EXPECT_TRUE(Contains(again.err, "A category with that name already exists.")) << again.err;

    auto list = Json::parse(device.Run({ "categories", "food" }).out);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0]["name"], "Breakfast");
    EXPECT_EQ(list[1]["name"], "Travel");
}

TEST(CliDeleteEntry, AsksFirstThenHidesOrQueuesTheEntry)
{
    Device device;
    device.WriteUser();
    std::string published = device.WritePhoto("published.jpg");
    std::string unsent = device.WritePhoto("unsent.jpg");
    device.WriteStore("food", Sample::BlogStoreFile("food", { PublishedWithPhoto(31, 20, published), Unsent(10, unsent) }));
    std::string before = ReadTextFile(device.StorePath("food"));

    // Not a terminal and no --yes: nothing is deleted.
    auto unasked = device.Run({ "delete-entry", "food", "0", "--delete-photo" });
    EXPECT_EQ(unasked.status, 1);
    EXPECT_TRUE(Contains(unasked.err, "Delete blog entry? no")) << unasked.err;
    EXPECT_EQ(ReadTextFile(device.StorePath("food")), before);
    EXPECT_TRUE(std::filesystem::exists(published));

    auto neverPublished = device.Run({ "--yes", "delete-entry", "food", "1", "--on-web" });
    EXPECT_EQ(neverPublished.status, 1);
    EXPECT_TRUE(Contains(neverPublished.err, "never published")) << neverPublished.err;
    EXPECT_EQ(device.Run({ "--yes", "delete-entry", "food", "2" }).status, 1);

    auto hidden = device.Run({ "--yes", "delete-entry", "food", "1", "--delete-photo" });
    ASSERT_EQ(hidden.status, 0) << hidden.err;
    EXPECT_EQ(Json::parse(hidden.out)["photo_deleted"], true);
    EXPECT_FALSE(std::filesystem::exists(unsent));
    auto store = device.Inspect("food");
    ASSERT_EQ(store["entries"].size(), 2u);
    EXPECT_EQ(store["entries"][1]["photo_state"], 255);
    EXPECT_EQ(store["entries"][1]["pending"], false);
    EXPECT_EQ(store["entries"][1]["photo_path"], "");

    auto onWeb = device.Run({ "--yes", "delete-entry", "food", "0", "--on-web" });
    ASSERT_EQ(onWeb.status, 0) << onWeb.err;
    store = device.Inspect("food");
    EXPECT_EQ(store["entries"].size(), 1u);
    ASSERT_EQ(store["deleted_entries"].size(), 1u);
    EXPECT_EQ(store["deleted_entries"][0]["server_id"], 31);
    EXPECT_EQ(store["deleted_entries"][0]["thumbnail_size"], 0);
    EXPECT_TRUE(std::filesystem::exists(published)) << "the photo stays unless asked";
}

TEST(CliPurgePhotos, DeletesPublishedPhotosOfTheShownEntriesOnlyWhenAgreed)
{
    Device device;
    device.WriteUser();
    std::string published = device.WritePhoto("published.jpg");
    std::string unsent = device.WritePhoto("unsent.jpg");
    device.WriteStore("food", Sample::BlogStoreFile("food", { PublishedWithPhoto(31, 20, published), Unsent(10, unsent) }));

    EXPECT_EQ(device.Run({ "--no", "purge-photos", "food" }).status, 1);
    EXPECT_TRUE(std::filesystem::exists(published));
    auto purged = device.Run({ "--yes", "purge-photos", "food" });
    ASSERT_EQ(purged.status, 0) << purged.err;
    EXPECT_EQ(Json::parse(purged.out), Json::parse(R"({"purged": 1, "kept": 1})"));
    EXPECT_FALSE(std::filesystem::exists(published));
    EXPECT_TRUE(std::filesystem::exists(unsent));
    auto store = device.Inspect("food");
    EXPECT_EQ(store["entries"][0]["photo_path"], "");
    EXPECT_EQ(store["entries"][0]["thumbnail_size"], 4);
    EXPECT_EQ(store["entries"][1]["photo_path"], unsent);
}

TEST(CliRemoveBlog, RemovesTheStoreAndOnRequestThePhotos)
{
    Device device;
    std::string photo = device.WritePhoto("kept.jpg");
    device.WriteStore("food", Sample::BlogStoreFile("food", { PublishedWithPhoto(31, 20, photo) }));
    device.WriteStore("trips", Sample::StoreFile());

    EXPECT_EQ(device.Run({ "remove-blog", "food", "--delete-photos" }).status, 1);
    EXPECT_TRUE(std::filesystem::exists(device.StorePath("food")));

    auto removed = device.Run({ "--yes", "remove-blog", "FOOD", "--delete-photos" });
    ASSERT_EQ(removed.status, 0) << removed.err;
    EXPECT_FALSE(std::filesystem::exists(device.StorePath("food")));
    EXPECT_FALSE(std::filesystem::exists(photo));
    auto blogs = Json::parse(device.Run({ "blogs" }).out);
    ASSERT_EQ(blogs.size(), 1u);
    EXPECT_EQ(blogs[0]["url_name"], "trips");

    // A damaged store can still be removed, but not changed.
    std::string damaged = Sample::StoreFile().substr(0, 60);
    device.WriteStore("trips", damaged);
    EXPECT_EQ(device.Run({ "--yes", "new-category", "trips", "x" }).status, 1);
    EXPECT_EQ(ReadTextFile(device.StorePath("trips")), damaged);
    EXPECT_EQ(device.Run({ "--yes", "remove-blog", "trips" }).status, 0);
    EXPECT_FALSE(std::filesystem::exists(device.StorePath("trips")));
}

// The thumbnail is made in memory: a temporary folder that cannot be used
// does not cost the new entry its thumbnail.
TEST(CliAddPhoto, ATemporaryFolderThatCannotBeUsedDoesNotCostTheThumbnail)
{
    Device device;
    device.WriteUser();
    device.WriteStore("food", Sample::BlogStoreFile("food", {}));
    std::string photo = device.WritePhoto("a.jpg");
    std::string temporary = device.Documents() + "/../Temp";
    WriteTextFile(temporary, "a file where the temporary folder belongs");

    auto result = device.Run({ "add-photo", "food", photo });
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_GT(Json::parse(result.out)[0]["thumbnail_size"], 0);
    EXPECT_TRUE(result.err.empty()) << result.err;
    EXPECT_EQ(device.Inspect("food")["entries"].size(), 1u);
}

TEST(CliBlogs, SayWhenTheUserFileIsDamaged)
{
    Device device;
    device.WriteStore("food", Sample::BlogStoreFile("food", {}));
    std::string user = Sample::UserFile();
    WriteTextFile(device.DataFolder() + "/UserInfo.vxu", user.substr(0, user.size() - 3));
    auto blogs = device.Run({ "blogs" });
    ASSERT_EQ(blogs.status, 0) << blogs.err;
    EXPECT_EQ(Json::parse(blogs.out).size(), 1u) << "the blogs are listed all the same";
    EXPECT_TRUE(Contains(blogs.err, "the user file")) << blogs.err;
    EXPECT_TRUE(Contains(blogs.err, "UserInfo.vxu is damaged: the data ends early")) << blogs.err;
    EXPECT_TRUE(Contains(device.Run({ "entries", "food" }).err, "is damaged")) << "every command on the device says so";

    device.WriteUser();
    EXPECT_EQ(device.Run({ "blogs" }).err, "");
}

// A FIFO waits for a writer when opened for reading: the scan of the data
// folder and every command given one as a file must neither wait nor call
// it damaged.
TEST(CliFiles, FifosAndFoldersAreRefusedWithoutWaiting)
{
    Device device;
    device.WriteUser();
    device.WriteStore("food", Sample::BlogStoreFile("food", {}));
    ASSERT_EQ(::mkfifo((device.DataFolder() + "/x.vxl").c_str(), 0600), 0);
    auto blogs = device.Run({ "blogs" });
    ASSERT_EQ(blogs.status, 0) << blogs.err;
    EXPECT_EQ(Json::parse(blogs.out).size(), 1u);
    EXPECT_EQ(device.Run({ "entries", "food" }).status, 0);

    TemporaryFolder folder;
    std::string fifo = folder.File("pipe.jpg");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string out = folder.File("out.ppm");
    for (std::vector<std::string> command : std::vector<std::vector<std::string>> {
             { "jpeg-info", fifo },
             { "decode", fifo, "--out", out },
             { "render", fifo, "--size", "10x10", "--out", out },
             { "thumbnail", fifo, folder.File("t.jpg") },
             { "inspect", device.DataFolder() + "/x.vxl" },
             { "resave", device.DataFolder() + "/x.vxl" },
         }) {
        auto result = RunCli(command);
        EXPECT_EQ(result.status, 1) << command[0];
        EXPECT_TRUE(Contains(result.err, "is not a regular file")) << command[0] << ": " << result.err;
    }
    std::filesystem::create_directories(folder.File("folder.vxl"));
    for (const char* command : { "inspect", "resave" }) {
        auto result = RunCli({ command, folder.File("folder.vxl") });
        EXPECT_EQ(result.status, 1);
        EXPECT_TRUE(Contains(result.err, "is a directory")) << result.err;
        EXPECT_FALSE(Contains(result.err, "damaged")) << result.err;
    }
    auto photo = device.Run({ "add-photo", "food", folder.File("folder.vxl") });
    EXPECT_EQ(photo.status, 1);
    EXPECT_TRUE(Contains(photo.err, "is a directory")) << photo.err;
}

TEST(CliHome, AnEmptyOrNonFolderHomeIsRefusedAndAMissingOneMadeOnlyToWrite)
{
    TemporaryFolder folder;
    auto empty = RunCli({ "--home", "", "blogs" });
    EXPECT_EQ(empty.status, 2);
    EXPECT_TRUE(Contains(empty.err, "--home needs a folder")) << empty.err;
    EXPECT_FALSE(std::filesystem::exists("My Documents")) << "nothing is made in the current folder";

    WriteTextFile(folder.File("file"), "x");
    auto file = RunCli({ "--home", folder.File("file"), "blogs" });
    EXPECT_EQ(file.status, 2);
    EXPECT_TRUE(Contains(file.err, "is not a folder")) << file.err;
    EXPECT_TRUE(file.out.empty());

    std::string missing = folder.File("device");
    for (std::vector<std::string> readOnly : std::vector<std::vector<std::string>> { { "blogs" }, { "entries", "trips" }, { "prefs" } }) {
        readOnly.insert(readOnly.begin(), { "--home", missing });
        auto result = RunCli(readOnly);
        EXPECT_EQ(result.status, 1) << readOnly[2];
        EXPECT_TRUE(Contains(result.err, "there is no device folder " + missing)) << result.err;
        EXPECT_TRUE(result.out.empty());
        EXPECT_FALSE(std::filesystem::exists(missing)) << readOnly[2];
    }

    auto written = RunCli({ "--home", missing, "prefs", "Stay In Camera", "1" });
    ASSERT_EQ(written.status, 0) << written.err;
    EXPECT_TRUE(Contains(written.err, "made the device folder " + missing)) << written.err;
    EXPECT_TRUE(std::filesystem::is_regular_file(missing + "/registry.reg"));
    EXPECT_EQ(RunCli({ "--home", missing, "blogs" }).status, 0);
}
