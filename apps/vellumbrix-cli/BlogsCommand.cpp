#include "BlogCommandHelpers.h"
#include "CliCommand.h"

// vellumbrix-cli blogs: the user's blogs in list order (by display name).
int RunBlogsCommand(CliArguments& arguments)
{
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("blogs", arguments.Error());
    if (!positional.empty())
        return UsageError("blogs", "takes no arguments");

    auto user = LoadDeviceUser("blogs");
    auto list = nlohmann::ordered_json::array();
    for (auto& store : user->GetBlogList()) {
        const CBlogInfo& blog = store->GetBlogInfo();
        size_t pending = 0;
        for (auto& entry : store->GetEntries())
            pending += entry->IsPending() ? 1 : 0;
        list.push_back({
            { "url_name", blog.GetUrlName() },
            { "title", blog.GetTitle() },
            { "display_name", blog.GetDisplayName() },
            { "entries", store->GetEntries().GetSize() },
            { "pending", pending },
            { "group_blog", blog.GetGroupBlog() != 0 },
            { "read_only", blog.IsReadOnly() },
        });
    }
    PrintJson(list);
    return ExitSuccess;
}
