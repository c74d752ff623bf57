#include "BlogCommandHelpers.h"
#include "CliCommand.h"

// vellumbrix-cli entries BLOG [--status N] [--category ID]: the entries the
// blog shows, in store order. Without options the blog's own filters
// apply (those last chosen on the device); the options replace them for
// this listing only and are not saved.
int RunEntriesCommand(CliArguments& arguments)
{
    auto status = arguments.TakeOption("--status");
    auto category = arguments.TakeOption("--category");
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("entries", arguments.Error());
    if (positional.size() != 1)
        return UsageError("entries", "give one blog");
    std::optional<std::uint32_t> statusValue;
    std::optional<std::uint32_t> categoryValue;
    if (status && !(statusValue = ParseNumber(*status, 65535)))
        return UsageError("entries", "--status takes a number from 0 to 65535 (0 all, 1 pending, 2 published, 3 published by me, 255 everything)");
    if (category && !(categoryValue = ParseNumber(*category, 4294967295u)))
        return UsageError("entries", "--category takes a category id (0 for Unfiled, 4294967295 for all)");

    int exitStatus = ExitSuccess;
    auto blogs = OpenDeviceBlog("entries", positional[0], BlogUse::Read, exitStatus);
    if (!blogs)
        return exitStatus;
    CWinBlogStorage& store = *blogs->store;
    store.SetFilters(categoryValue.value_or(store.GetCategoryFilter()),
        static_cast<std::uint16_t>(statusValue.value_or(store.GetStatusFilter())));

    PrintJson(IndexedEntriesJson(store, [&](const BlogEntry& entry) { return store.IsShown(entry); }));
    return ExitSuccess;
}
