// The command line's network commands end to end: the built program
// against the reference service on 127.0.0.1, two devices sharing a blog.

#include "CliDevice.h"

#include "../server/ServerTestKit.h"

#include <gtest/gtest.h>

using Json = nlohmann::ordered_json;

namespace {

constexpr const char* kPassword = "pass & word";

class CliService : public ::testing::Test {
protected:
    // An account made on the service through the command line, with its
    // blog "trip" holding `photos` published photos.
    void MakeOwner(CliDevice& owner, int photos)
    {
        Json account = owner.Json({ "create-account", "owner@example.com", kPassword, "Olive", "Owner" });
        ASSERT_GT(account.value("user_id", 0u), 0u) << account.dump();
        Json made = owner.Json({ "create-blog", "trip", "--title", "A Trip" });
        ASSERT_EQ(made["blogs"], Json::array({ "trip" })) << made.dump();
        for (int i = 0; i < photos; ++i)
            ASSERT_EQ(owner.Run({ "add-photo", "trip", owner.WritePhoto("p" + std::to_string(i) + ".jpg", i + 1), "--title", "Photo " + std::to_string(i) }).status, 0);
        Json synced = owner.Json({ "sync" });
        ASSERT_EQ(synced[0]["pending"], 0) << synced.dump();
        ASSERT_EQ(synced[0]["entries"], photos);
    }

    // The account reader@example.com, made on the service and logged in on
    // `device`.
    void LogInReader(CliDevice& device)
    {
        reference.AddUser("reader@example.com", kPassword);
        device.Json({ "--yes", "login", "reader@example.com", kPassword });
    }

    // The index of the entry whose `field` is `value` on a device.
    std::string IndexOf(const CliDevice& device, const char* field, const Json& value)
    {
        for (auto& entry : device.Json({ "entries", "trip" })) {
            if (entry[field] == value)
                return std::to_string(entry["index"].get<int>());
        }
        return "none";
    }

    Json Entry(const CliDevice& device, int index)
    {
        Json entries = device.Json({ "entries", "trip" });
        for (auto& entry : entries) {
            if (entry["index"] == index)
                return entry;
        }
        return {};
    }

    ServiceUnderTest reference;
};

}

TEST_F(CliService, AccountsAndBlogsAreMadeAndTakenNamesGetSuggestions)
{
    CliDevice owner(reference.Host());
    MakeOwner(owner, 0);
    EXPECT_EQ(owner.Json({ "account" })["blogs"], Json::array({ "trip" }));

    CliDevice other(reference.Host());
    auto again = other.Run({ "create-account", "owner@example.com", "x", "A", "B" });
    EXPECT_EQ(again.status, 1);
    EXPECT_TRUE(Contains(again.err, "already has an account")) << again.err;

    reference.AddUser("second@example.com", kPassword);
    Json login = other.Json({ "login", "second@example.com", kPassword });
    EXPECT_EQ(login["blogs"], Json::array());
    auto taken = other.Run({ "create-blog", "trip" });
    EXPECT_EQ(taken.status, 1);
    EXPECT_EQ(CountOf(taken.err, "is already in use"), 1u) << taken.err;
    Json suggestions = Json::parse(taken.out);
    EXPECT_EQ(suggestions["taken"], "trip");
    EXPECT_FALSE(suggestions["alternates"].empty()) << taken.out;
    for (auto& alternate : suggestions["alternates"])
        EXPECT_TRUE(Contains(taken.err, alternate.get<std::string>())) << taken.err;
    EXPECT_EQ(other.Run({ "create-blog", "no spaces" }).status, 2);

    auto wrong = CliDevice(reference.Host()).Run({ "login", "second@example.com", "wrong" });
    EXPECT_EQ(wrong.status, 1);
    EXPECT_FALSE(wrong.err.empty());
    EXPECT_FALSE(Contains(wrong.err, "10201")) << wrong.err;
}

TEST_F(CliService, ASecondDeviceSubscribesDownloadsAndComments)
{
    CliDevice owner(reference.Host());
    MakeOwner(owner, 3);

    CliDevice reader(reference.Host());
    LogInReader(reader);
    auto subscribed = reader.Run({ "subscribe", "trip", "--download", "480x360", "--limit", "0" });
    ASSERT_EQ(subscribed.status, 0) << subscribed.err;
    EXPECT_EQ(Json::parse(subscribed.out)["entries"], 3);
    // One progress line per step, with the blog's name.
    EXPECT_TRUE(Contains(subscribed.err, "[trip]")) << subscribed.err;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Entry(reader, i)["photo_state"], 5);

    // A device that keeps only the newest two.
    CliDevice few(reference.Host());
    few.Json({ "--no", "login", "reader@example.com", kPassword });
    auto limited = few.Run({ "subscribe", "trip", "--download", "thumbnails", "--limit", "2" });
    ASSERT_EQ(limited.status, 0) << limited.err;
    EXPECT_EQ(Json::parse(limited.out)["entries"], 2);

    Json full = reader.Json({ "download-photo", "trip", "0", "full size" });
    EXPECT_EQ(full["photo_state"], 7);
    EXPECT_EQ(Entry(reader, 0)["photo_state"], 7) << "saved";
    EXPECT_EQ(reader.Run({ "download-photo", "trip", "0", "1" }).status, 2) << "thumbnails are not a photo size";
    Json later = reader.Json({ "download-photo", "trip", "1", "3", "--next-sync" });
    EXPECT_EQ(Entry(reader, 1)["photo_state"], later["photo_state"]);
    EXPECT_EQ(reader.Json({ "sync", "trip" })[0]["pending"], 0);
    EXPECT_EQ(Entry(reader, 1)["photo_state"], 3);

    // A comment goes at once; its deletion by the owner goes at the sync.
    Json comment = reader.Json({ "add-comment", "trip", "0", "Lovely light" });
    EXPECT_FALSE(comment["pending"].get<bool>()) << comment.dump();
    owner.Json({ "sync", "trip" });
    // Photos added in one second may stand in another order there.
    std::string onOwner = IndexOf(owner, "server_id", Entry(reader, 0)["server_id"]);
    Json comments = owner.Json({ "comments", "trip", onOwner });
    ASSERT_EQ(comments.size(), 1u) << comments.dump();
    EXPECT_EQ(comments[0]["text"], "Lovely light");
    EXPECT_EQ(owner.Run({ "delete-comment", "trip", onOwner, "0" }).status, 1) << "not agreed to";
    ASSERT_EQ(owner.Run({ "--yes", "delete-comment", "trip", onOwner, "0" }).status, 0);
    EXPECT_EQ(owner.Json({ "comments", "trip", onOwner }).size(), 0u);
    owner.Json({ "sync" });
    reader.Json({ "sync", "trip" });
    EXPECT_EQ(reader.Json({ "comments", "trip", "0" }).size(), 0u);

    // An entry sent alone from the entry editor.
    ASSERT_EQ(owner.Run({ "add-photo", "trip", owner.WritePhoto("late.jpg", 9), "--title", "Late" }).status, 0);
    // Entries made in the same second as the synced ones may stand anywhere among them.
    Json sent = owner.Json({ "sync-entry", "trip", IndexOf(owner, "title", "Late") });
    EXPECT_EQ(sent["title"], "Late");
    EXPECT_FALSE(sent["pending"].get<bool>());
    EXPECT_NE(sent["server_id"], 0);
}

TEST_F(CliService, AProtectedBlogTakesItsViewPasswordFromTheCommandLine)
{
    CliDevice owner(reference.Host());
    MakeOwner(owner, 1);
    ASSERT_EQ(reference.Admin({ "set-view-password", "trip", "letmein" }), 0);

    CliDevice reader(reference.Host());
    LogInReader(reader);
    // Nobody to ask: the blog's sync ends quietly and nothing is kept.
    auto unasked = reader.Run({ "subscribe", "trip" });
    EXPECT_NE(unasked.status, 0);
    EXPECT_FALSE(Contains(unasked.err, "10201")) << unasked.err;
    auto wrong = reader.Run({ "--view-password", "guess", "subscribe", "trip" });
    EXPECT_NE(wrong.status, 0);
    auto right = reader.Run({ "--view-password", "letmein", "subscribe", "trip" });
    ASSERT_EQ(right.status, 0) << right.err;
    EXPECT_EQ(Json::parse(right.out)["entries"], 1);
}

TEST_F(CliService, PhotoEmailsRemotePostsChannelsAndUpdates)
{
    CliDevice owner(reference.Host());
    MakeOwner(owner, 1);

    EXPECT_EQ(owner.Run({ "photo-email", "trip", "0", "--to", "friend@example.com", "--message", "Look" }).status, 0);
    EXPECT_EQ(owner.Run({ "photo-email", "trip", "--to", "friend@example.com" }).status, 0) << "the whole blog";
    EXPECT_EQ(owner.Run({ "photo-email", "trip", "0" }).status, 2);
    std::string outbox;
    ASSERT_EQ(reference.Admin({ "list-outbox" }, &outbox), 0);
    EXPECT_EQ(CountOf(outbox, "friend@example.com"), 2u) << outbox;

    // A device without an account has no user id to send with.
    CliDevice anonymous(reference.Host());
    ASSERT_EQ(anonymous.Run({ "subscribe", "trip" }).status, 0);
    auto unknown = anonymous.Run({ "photo-email", "trip", "0", "--to", "friend@example.com" });
    EXPECT_EQ(unknown.status, 1);
    EXPECT_FALSE(unknown.err.empty());
    EXPECT_FALSE(Contains(unknown.err, "10201")) << unknown.err;
    EXPECT_EQ(anonymous.Run({ "remote-post", "trip", "0", "--remote", "Elsewhere" }).status, 1);

    auto noRemote = owner.Run({ "remote-post", "trip", "0", "--remote", "Elsewhere" });
    EXPECT_EQ(noRemote.status, 1);
    ASSERT_EQ(reference.Admin({ "add-remote-blog", "owner@example.com", "Elsewhere" }), 0);
    EXPECT_EQ(owner.Json({ "account", "--refresh" })["remote_blogs"], Json::array({ "Elsewhere" }));
    auto posted = owner.Run({ "remote-post", "trip", "0", "--remote", "Elsewhere", "--caption", "From the trip" });
    EXPECT_EQ(posted.status, 0) << posted.err;

    std::string channelsFile = owner.File("channels.txt");
    WriteTextFile(channelsFile, "trip  A Trip\nother  Another blog\n");
    ASSERT_EQ(reference.Admin({ "set-channels", channelsFile }), 0);
    Json channels = owner.Json({ "channels" });
    ASSERT_EQ(channels.size(), 2u) << channels.dump();
    EXPECT_EQ(channels[0]["url_name"], "trip");
    EXPECT_EQ(channels[1]["url_name"], "other");

    std::string messageFile = owner.File("message.txt");
    WriteTextFile(messageFile, "<VELLUMBRIX><VERSION>99.0</VERSION></VELLUMBRIX>");
    ASSERT_EQ(reference.Admin({ "set-message", messageFile }), 0);
    auto updates = owner.Run({ "--no", "check-updates" });
    ASSERT_EQ(updates.status, 0) << updates.err;
    EXPECT_EQ(Json::parse(updates.out)["new_version"], true);
    EXPECT_TRUE(Contains(updates.err, "99.0")) << updates.err;
    WriteTextFile(messageFile, "<VELLUMBRIX><VERSION>0.1</VERSION></VELLUMBRIX>");
    ASSERT_EQ(reference.Admin({ "set-message", messageFile }), 0);
    auto latest = owner.Run({ "check-updates" });
    ASSERT_EQ(latest.status, 0) << latest.err;
    EXPECT_EQ(Json::parse(latest.out)["new_version"], false);
}

// A login run by a script, with no terminal and neither --yes nor --no, is
// offered the account's subscriptions and cannot take them; that is not
// the person turning them down, so the service keeps them.
TEST_F(CliService, SubscriptionsOfferedToNobodyStaySubscribedOnTheWeb)
{
    CliDevice owner(reference.Host());
    MakeOwner(owner, 1);
    CliDevice reader(reference.Host());
    LogInReader(reader);
    ASSERT_EQ(reader.Run({ "subscribe", "trip", "--limit", "0" }).status, 0);

    CliDevice script(reference.Host());
    auto login = script.Run({ "login", "reader@example.com", kPassword });
    ASSERT_EQ(login.status, 0) << login.err;
    EXPECT_EQ(Json::parse(login.out)["blogs"], Json::array());
    EXPECT_TRUE(Contains(login.err, "--yes")) << login.err;

    Json refreshed = script.Json({ "--yes", "account", "--refresh" });
    EXPECT_EQ(refreshed["blogs"], Json::array({ "trip" })) << "the service still lists the subscription";
    Json declined = CliDevice(reference.Host()).Json({ "--no", "login", "reader@example.com", kPassword });
    EXPECT_EQ(declined["blogs"], Json::array());
    EXPECT_EQ(CliDevice(reference.Host()).Json({ "--yes", "login", "reader@example.com", kPassword })["blogs"], Json::array())
        << "a No given in advance is the person's answer: the service forgets the blog";
}
