#include "model/CBlogList.h"
#include "model/CObjectArray.h"
#include "model/CWinBlogChannels.h"
#include "model/CWinBlogEntry.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<BlogEntry> Entry(std::uint32_t id)
{
    auto entry = std::make_unique<CWinBlogEntry>();
    entry->SetServerId(id);
    return entry;
}

std::unique_ptr<CWinBlogStorage> Blog(std::string_view urlName, std::string_view title = {})
{
    auto store = std::make_unique<CWinBlogStorage>("/nowhere", urlName);
    store->GetBlogInfo().SetTitle(title);
    return store;
}

std::vector<std::string> UrlNames(const CBlogList& list)
{
    std::vector<std::string> names;
    for (auto& store : list)
        names.push_back(store->GetBlogInfo().GetUrlName());
    return names;
}

}

TEST(CObjectArray, OwnsItsRecordsUntilTheyAreDetached)
{
    CObjectArray<BlogEntry> array;
    array.Add(Entry(1));
    array.Add(Entry(3));
    array.InsertAt(1, Entry(2));
    ASSERT_EQ(array.GetSize(), 3u);
    EXPECT_EQ(array.GetAt(1)->GetServerId(), 2u);
    EXPECT_EQ(array.IndexOf(array.GetAt(2)), 2);
    CWinBlogEntry stranger;
    EXPECT_EQ(array.IndexOf(&stranger), -1);

    auto taken = array.Detach(0);
    EXPECT_EQ(taken->GetServerId(), 1u);
    EXPECT_EQ(array.GetSize(), 2u);
    array.RemoveAll();
    EXPECT_TRUE(array.IsEmpty());
}

TEST(CBlogList, SortsByDisplayNameIgnoringCase)
{
    CBlogList list;
    list.Insert(Blog("zeta", "alpha trips"));
    list.Insert(Blog("Beta"));
    list.Insert(Blog("aaa", "Zoo"));
    list.Insert(Blog("gamma", "ALPHA TRIPS"));
    EXPECT_EQ(list.Insert(Blog("delta", "")), 3u);
    // Equal display names keep their order of insertion.
    EXPECT_EQ(UrlNames(list), (std::vector<std::string> { "zeta", "gamma", "Beta", "delta", "aaa" }));
}

TEST(CBlogList, BlogsWithoutTitleAreListedUnderTheirUrlName)
{
    CBlogList list;
    list.Insert(Blog("mango", "Kiwi"));
    list.Insert(Blog("lemon"));
    EXPECT_EQ(UrlNames(list), (std::vector<std::string> { "mango", "lemon" }));
}

TEST(CBlogList, FindsByUrlNameIgnoringCase)
{
    CBlogList list;
    list.Insert(Blog("myblog", "Mine"));
    list.Insert(Blog("other"));
    EXPECT_EQ(list.FindIndex(std::string_view("MyBlog")), 0);
    EXPECT_EQ(list.Find(std::u16string_view(u"OTHER")), list.GetAt(1));
    EXPECT_EQ(list.FindIndex(std::string_view("mine")), -1);
    EXPECT_EQ(list.Find(std::string_view("myblo")), nullptr);

    auto store = list.Detach(0);
    EXPECT_EQ(store->GetBlogInfo().GetUrlName(), "myblog");
    EXPECT_EQ(list.GetSize(), 1u);
    EXPECT_EQ(list.IndexOf(store.get()), -1);
}

TEST(CWinBlogChannels, TakesOnlyLinesEndedByALineBreak)
{
    CWinBlogChannels channels;
    channels.Parse("  alpha beta\r\ngamma");
    ASSERT_EQ(channels.GetCount(), 1u);
    EXPECT_EQ(channels.GetAt(0).GetDisplayLine(), u"  alpha beta");
    EXPECT_EQ(channels.GetAt(0).GetUrlName(), u"alpha");
}

TEST(CWinBlogChannels, SkipsRunsOfLineBreaksAndStopsAtZero)
{
    CWinBlogChannels channels;
    channels.Parse(std::string("\r\n\nfirst - The First Blog\n\n\r\n\tsecond\rthird\n") + std::string("\0fourth\n", 8));
    ASSERT_EQ(channels.GetCount(), 3u);
    EXPECT_EQ(channels.GetAt(0).GetUrlName(), u"first");
    EXPECT_EQ(channels.GetAt(0).GetDisplayLine(), u"first - The First Blog");
    EXPECT_EQ(channels.GetAt(1).GetUrlName(), u"second");
    EXPECT_EQ(channels.GetAt(1).GetDisplayLine(), u"\tsecond");
    EXPECT_EQ(channels.GetAt(2).GetUrlName(), u"third");

    channels.Parse("caf\xC3\xA9 blog\n");
    ASSERT_EQ(channels.GetCount(), 1u);
    EXPECT_EQ(channels.GetAt(0).GetUrlName(), u"caf\u00E9");

    channels.Parse("");
    EXPECT_EQ(channels.GetCount(), 0u);
    channels.Parse("\r\n\r\n");
    EXPECT_EQ(channels.GetCount(), 0u);
}
