// A sync cancelled at each of its requests in turn: "Sync Cancelled." once,
// the store's file whole, and the next sync sends nothing the service had
// already taken.

#include "SyncTestBench.h"

#include <algorithm>
#include <set>

namespace {

class SyncCancelledAt
    : public SyncTest
    , public ::testing::WithParamInterface<std::size_t> {
};

}

TEST_P(SyncCancelledAt, TheNextSyncFinishesWithoutRepeatingWhatWasTaken)
{
    const std::size_t cancelAt = GetParam();
    const std::vector<std::string> everything = EverythingSent();
    ASSERT_LT(cancelAt, everything.size());
    MakeBlogWithEverythingToSend();
    std::atomic<std::size_t> requests { 0 };
    // The scripted service answers as usual; Cancel is pressed as the
    // chosen request comes in.
    service.Intercept([&](const HttpTestServer::Request&) {
        if (requests++ == cancelAt)
            progress.cancel = true;
    });

    EXPECT_EQ(SyncBlog(), Error::AlreadyReported);
    EXPECT_EQ(Shown(), (std::vector<std::string> { "Sync Cancelled." }));
    std::vector<std::string> first = service.Actions();
    ASSERT_EQ(first.size(), cancelAt + 1) << ::testing::PrintToString(first);
    EXPECT_TRUE(std::equal(first.begin(), first.end(), everything.begin()));
    // The file holds a whole store.
    StoreOnDisk();

    service.ClearLog();
    progress.cancel = false;
    ASSERT_EQ(SyncBlog(), Error::Success) << ::testing::PrintToString(Shown());
    std::vector<std::string> second = service.Actions();
    for (std::size_t i = 0; i < cancelAt; ++i) {
        if (first[i] == "GC")
            continue;
        EXPECT_EQ(std::count(second.begin(), second.end(), first[i]), 0) << first[i] << " was taken before the cancel";
    }
    // Everything has gone by now, once.
    std::multiset<std::string> sent(first.begin(), first.begin() + static_cast<long>(cancelAt));
    sent.insert(second.begin(), second.end());
    for (const std::string& action : everything)
        EXPECT_GE(sent.count(action), 1u) << action;
    auto saved = StoreOnDisk();
    EXPECT_EQ(saved->GetDeletedEntries().GetSize(), 0u);
    for (auto& entry : saved->GetEntries())
        EXPECT_FALSE(entry->IsPending()) << entry->GetTitle();
    EXPECT_FALSE(saved->GetFirstPendingComment());
    EXPECT_EQ(saved->GetEntries().GetSize(), 3u) << "no entry came twice";
}

INSTANTIATE_TEST_SUITE_P(EveryRequest, SyncCancelledAt, ::testing::Range<std::size_t>(0, 13));
