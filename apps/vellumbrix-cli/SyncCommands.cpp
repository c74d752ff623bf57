#include "BlogCommandHelpers.h"
#include "CliCommand.h"
#include "NetworkCommand.h"

// What the blogs hold once synced, for scripts.
static nlohmann::ordered_json BlogSummary(const CWinBlogStorage& store)
{
    std::size_t pending = 0;
    for (auto& entry : store.GetEntries())
        pending += entry->IsPending() ? 1 : 0;
    return {
        { "url_name", store.GetBlogInfo().GetUrlName() },
        { "entries", store.GetEntries().GetSize() },
        { "pending", pending },
        { "comments", store.GetComments().GetSize() },
    };
}

// vellumbrix-cli sync [BLOG]: the home screen's Sync (the account refreshed,
// then every blog of the list, each saved after its sync), or with BLOG
// that blog's own Sync. Prints what each blog holds afterwards.
int RunSyncCommand(CliArguments& arguments)
{
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("sync", arguments.Error());
    if (positional.size() > 1)
        return UsageError("sync", "give at most one blog");

    if (positional.size() == 1) {
        int status = ExitSuccess;
        auto blogs = OpenDeviceBlog("sync", positional[0], BlogUse::Change, status);
        if (!blogs)
            return status;
        NetworkCommand network;
        if (!network.Connect())
            return network.Status();
        status = network.StatusOf(network.Commands().SyncBlog(*blogs->store, *blogs->user, nullptr, network.Progress()));
        if (status != ExitSuccess)
            return status;
        // Saved as the Sync of a blog's view saves it; a failure has said
        // so (message 6002).
        if (blogs->store->Save())
            return ExitFailure;
        PrintJson(nlohmann::ordered_json::array({ BlogSummary(*blogs->store) }));
        return ExitSuccess;
    }

    auto user = LoadDeviceUser("sync");
    NetworkCommand network;
    if (!network.Connect())
        return network.Status();
    int status = network.StatusOf(network.Commands().SyncAll(*user, network.Progress()));
    if (status != ExitSuccess)
        return status;
    auto list = nlohmann::ordered_json::array();
    for (auto& store : user->GetBlogList())
        list.push_back(BlogSummary(*store));
    PrintJson(list);
    return ExitSuccess;
}

// vellumbrix-cli sync-entry BLOG INDEX: the entry editor's Sync. An entry
// of a category the service knows goes alone, when it is pending; one of a
// category made on the device syncs the whole blog, so that the category
// goes first. INDEX is the entry's position in the store ("entries").
int RunSyncEntryCommand(CliArguments& arguments)
{
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("sync-entry", arguments.Error());
    if (positional.size() != 2)
        return UsageError("sync-entry", "give the blog and the entry's index");
    auto index = ParseNumber(positional[1], 4294967295u);
    if (!index)
        return UsageError("sync-entry", "the index is a number (see vellumbrix-cli entries)");
    int status = ExitSuccess;
    auto blogs = OpenDeviceBlog("sync-entry", positional[0], BlogUse::Change, status);
    if (!blogs)
        return status;
    CWinBlogStorage& store = *blogs->store;
    if (*index >= store.GetEntries().GetSize())
        return Failure("sync-entry: the blog has no entry " + positional[1] + " (see vellumbrix-cli entries)");
    BlogEntry& entry = *store.GetEntries().GetAt(*index);
    NetworkCommand network;
    if (!network.Connect())
        return network.Status();
    status = network.StatusOf(network.Commands().SyncBlog(store, *blogs->user, &entry, network.Progress()));
    if (status != ExitSuccess)
        return status;
    if (store.Save())
        return ExitFailure;
    // The entry as it is now, wherever the sync put it.
    long position = store.GetEntries().IndexOf(&entry);
    if (position >= 0)
        PrintJson(IndexedEntryJson(static_cast<std::size_t>(position), entry));
    return ExitSuccess;
}
