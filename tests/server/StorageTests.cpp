// The storage engines below the service, on the engine of the run
// (TestDatabases.h): the promise of the change stamps with transactions
// side by side, schema set-up by processes starting at once, and a
// database from a newer server refused.

#include "ServerTestKit.h"

#include "server/storage/ServiceMeta.h"
#include "server/storage/SqlPlaceholders.h"

#include <atomic>
#include <chrono>
#include <future>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <thread>

namespace {

// A service's database in a folder of its own, on the run's engine.
class OpenedDatabase {
public:
    OpenedDatabase() { m_instance = Open(); }

    // One more opening of the same database, as another process would.
    std::unique_ptr<ServiceInstance> Open(std::string* failure = nullptr) const
    {
        std::string problem;
        auto instance = OpenServiceInstance(TestServerOptions(m_folder.File("data"), m_database), problem);
        if (failure)
            *failure = instance.IsError() ? problem : "";
        return instance.IsError() ? nullptr : instance.ReleaseValue();
    }

    SqlDatabase& Database() { return *m_instance->database; }

private:
    TemporaryFolder m_folder;
    TestDatabase m_database;
    std::unique_ptr<ServiceInstance> m_instance;
};

std::unique_ptr<SqlTransaction> Begun(ErrorOr<std::unique_ptr<SqlTransaction>> transaction)
{
    EXPECT_FALSE(transaction.IsError()) << transaction.GetError();
    return transaction.IsError() ? nullptr : transaction.ReleaseValue();
}

void MakeProbes(SqlDatabase& database)
{
    auto transaction = Begun(database.Begin(TransactionKind::Write));
    ASSERT_TRUE(transaction);
    ASSERT_EQ(transaction->Execute("CREATE TABLE probes (id INTEGER PRIMARY KEY, stamp INTEGER NOT NULL)"), Error::Success);
    ASSERT_EQ(transaction->Commit(), Error::Success);
}

}

TEST(SqlPlaceholders, NumbersEachMarkOutsideQuotes)
{
    EXPECT_EQ(NumberedPlaceholders("SELECT a FROM t WHERE b = ? AND c = ?"), "SELECT a FROM t WHERE b = $1 AND c = $2");
    // "?N" names a parameter; a bare mark takes the number after the
    // largest so far, as SQLite counts.
    EXPECT_EQ(NumberedPlaceholders("WHERE a = ?1 OR b = ?1 ORDER BY ?2, ?"), "WHERE a = $1 OR b = $1 ORDER BY $2, $3");
    EXPECT_EQ(NumberedPlaceholders("SELECT '?', \"a?\" FROM t WHERE x = ? -- why?\n AND y = ?"),
        "SELECT '?', \"a?\" FROM t WHERE x = $1 -- why?\n AND y = $2");
    EXPECT_EQ(NumberedPlaceholders("SELECT 'it''s ?' WHERE a = ?"), "SELECT 'it''s ?' WHERE a = $1");
    EXPECT_EQ(NumberedPlaceholders("no marks"), "no marks");
}

// The promise of ChangeStamps.h, with a writer in the middle of its
// transaction when a feed is read, and with a writer whose clock is behind.
TEST(ChangeStamps, AFeedStampIsNeverAboveAChangeTheFeedCannotSee)
{
    OpenedDatabase opened;
    SqlDatabase& database = opened.Database();
    MakeProbes(database);
    std::int64_t base = SystemClockSeconds();

    auto writer = Begun(database.Begin(TransactionKind::Write));
    ASSERT_TRUE(writer);
    auto stamp = writer->ChangeStamp(base);
    ASSERT_FALSE(stamp.IsError());
    ASSERT_EQ(writer->Execute("INSERT INTO probes (id, stamp) VALUES (1, ?)", { *stamp }), Error::Success);
    // The feed is read while the writer is still open (on SQLite it waits
    // for the writer, on PostgreSQL it goes ahead without seeing it).
    auto feed = std::async(std::launch::async, [&] {
        auto reader = Begun(database.BeginFeed(base + 100));
        auto handedOut = reader->FeedStamp();
        auto seen = QueryNumber(*reader, "SELECT COUNT(*) FROM probes");
        EXPECT_EQ(reader->Commit(), Error::Success);
        return std::make_pair(*handedOut, *seen);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_EQ(writer->Commit(), Error::Success);
    auto [handedOut, seen] = feed.get();
    if (seen == 0)
        EXPECT_LE(handedOut, *stamp) << "a change the feed did not see is below the stamp it handed out";
    else
        EXPECT_EQ(handedOut, base + 100);

    // A writer whose clock reads less than a stamp handed out already.
    auto reader = Begun(database.BeginFeed(base + 200));
    auto later = reader->FeedStamp();
    ASSERT_EQ(later.IsError() ? 0 : *later, base + 200);
    ASSERT_EQ(reader->Commit(), Error::Success);
    auto behind = Begun(database.Begin(TransactionKind::Write));
    auto behindStamp = behind->ChangeStamp(base + 5);
    ASSERT_FALSE(behindStamp.IsError());
    EXPECT_GE(*behindStamp, base + 200);
    // One stamp for everything the transaction changes.
    EXPECT_EQ(*behind->ChangeStamp(base + 300), *behindStamp);
}

// Writers side by side, each pausing between taking its stamp and
// committing, while a follower reads the feed again and again with a
// clock that moves a second at every read: everything written reaches the
// follower.
TEST(ChangeStamps, AFollowerOfTheFeedMissesNoChange)
{
    OpenedDatabase opened;
    SqlDatabase& database = opened.Database();
    MakeProbes(database);
    std::atomic<std::int64_t> clock { SystemClockSeconds() };
    constexpr int Writers = 3;
    constexpr int ChangesEach = 30;
    std::atomic<int> writing { Writers };
    std::vector<std::thread> writers;
    for (int w = 0; w < Writers; ++w) {
        writers.emplace_back([&, w] {
            std::minstd_rand random(static_cast<unsigned>(w + 1));
            for (int i = 0; i < ChangesEach; ++i) {
                for (;;) {
                    auto transaction = Begun(database.Begin(TransactionKind::Write));
                    if (!transaction)
                        return;
                    auto stamp = transaction->ChangeStamp(clock.load());
                    std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
                    ErrorCode code = stamp.IsError() ? stamp.GetError()
                                                     : transaction->Execute("INSERT INTO probes (id, stamp) VALUES (?, ?)", { w * 1000 + i, *stamp });
                    if (code == Error::Success)
                        code = transaction->Commit();
                    if (code == Error::Success)
                        break;
                    ASSERT_EQ(code, TransactionConflict);
                }
                // A pause between requests, as between a device's requests,
                // leaves the follower gaps in which to read the feed; without
                // it an engine with one writer at a time can starve it.
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
            --writing;
        });
    }

    std::set<std::int64_t> seen;
    std::int64_t since = 0;
    int reads = 0;
    auto follow = [&] {
        auto transaction = Begun(database.BeginFeed(++clock));
        ASSERT_TRUE(transaction);
        auto stamp = transaction->FeedStamp();
        auto rows = transaction->Query("SELECT id FROM probes WHERE stamp >= ?", { since });
        ASSERT_FALSE(stamp.IsError());
        ASSERT_FALSE(rows.IsError());
        ErrorCode committed = transaction->Commit();
        if (committed == TransactionConflict)
            return; // read again
        ASSERT_EQ(committed, Error::Success);
        for (const SqlRow& row : *rows)
            seen.insert(row.Int(0));
        since = *stamp;
        ++reads;
    };
    FollowWhileWriting(writers, writing, follow);
    EXPECT_EQ(seen.size(), size_t(Writers * ChangesEach)) << "after " << reads << " reads of the feed";
    EXPECT_GT(reads, 10);
}

// Processes that start at once on a new database: each finds the schema
// made once, and all serve.
TEST(Schema, ProcessesStartingAtOnceMakeItOnce)
{
    OpenedDatabase first;
    std::vector<std::future<std::string>> starts;
    for (int i = 0; i < 4; ++i) {
        starts.push_back(std::async(std::launch::async, [&] {
            std::string failure;
            auto instance = first.Open(&failure);
            return instance ? std::string("ok") : failure;
        }));
    }
    for (auto& start : starts)
        EXPECT_EQ(start.get(), "ok");
    auto transaction = Begun(first.Database().Begin(TransactionKind::Read));
    auto version = ReadMeta(*transaction, "schema");
    EXPECT_EQ(version.IsError() ? "" : *version, "2");
}

TEST(Schema, ADatabaseOfANewerServerIsRefused)
{
    OpenedDatabase opened;
    {
        auto transaction = Begun(opened.Database().Begin(TransactionKind::Write));
        ASSERT_EQ(WriteMeta(*transaction, "schema", "99"), Error::Success);
        ASSERT_EQ(transaction->Commit(), Error::Success);
    }
    std::string failure;
    EXPECT_EQ(opened.Open(&failure), nullptr);
    EXPECT_NE(failure.find("made by a newer vellumbrix-server (schema 99; this one knows up to 2)"), std::string::npos) << failure;
}

// A database of the first version (as the first servers left it) gets each
// account's count of photos when it is opened.
TEST(Schema, AnOlderDatabaseIsUpgradedWithItsData)
{
    OpenedDatabase opened;
    {
        auto transaction = Begun(opened.Database().Begin(TransactionKind::Write));
        for (const char* sql :
            { "INSERT INTO users (email, email_key, password, quota, created) VALUES ('ann@example.com', 'ann@example.com', 'pw', 10, 0)",
                "INSERT INTO blogs (name, name_key, owner_id, created, changed) VALUES ('garden', 'garden', 1, 0, 0)",
                "INSERT INTO entries (blog_id, poster_id, posted, taken, photo_key, width, height, photo_bytes, deleted, created, changed)"
                " VALUES (1, 1, 0, 0, 'a', 1, 1, 1, 0, 0, 0), (1, 1, 0, 0, 'b', 1, 1, 1, 0, 0, 0), (1, 1, 0, 0, 'c', 1, 1, 1, 1, 0, 0)",
                "ALTER TABLE users DROP COLUMN photos", "UPDATE meta SET value = '1' WHERE name = 'schema'" })
            ASSERT_EQ(transaction->Execute(sql), Error::Success) << sql;
        ASSERT_EQ(transaction->Commit(), Error::Success);
    }
    std::string failure;
    auto upgraded = opened.Open(&failure);
    ASSERT_NE(upgraded, nullptr) << failure;
    auto transaction = Begun(upgraded->database->Begin(TransactionKind::Read));
    auto photos = QueryNumber(*transaction, "SELECT photos FROM users WHERE id = 1");
    EXPECT_EQ(photos.IsError() ? -1 : *photos, 2);
    EXPECT_EQ(*ReadMeta(*transaction, "schema"), "2");
}
