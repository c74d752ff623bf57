#include "ArchiveJson.h"
#include "BlogCommandHelpers.h"
#include "CliCommand.h"

// vellumbrix-cli categories BLOG: the blog's categories in store order
// (by name); "Unfiled" (id 0) is not one of them.
int RunCategoriesCommand(CliArguments& arguments)
{
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("categories", arguments.Error());
    if (positional.size() != 1)
        return UsageError("categories", "give one blog");
    int status = ExitSuccess;
    auto blogs = OpenDeviceBlog("categories", positional[0], BlogUse::Read, status);
    if (!blogs)
        return status;
    auto list = nlohmann::ordered_json::array();
    for (auto& category : blogs->store->GetCategories())
        list.push_back(AlbumJson(*category));
    PrintJson(list);
    return ExitSuccess;
}
