#include "ArchiveJson.h"
#include "BlogCommandHelpers.h"
#include "CliCommand.h"

#include "app/Messages.h"

static constexpr StringId kNoPermissionMessage = 500;
static constexpr StringId kCategoryExistsMessage = 201;

// vellumbrix-cli new-category BLOG NAME: a category made on the device,
// with the blog's next free local id; it goes to the web at the next sync.
// Refused when the user may not change the blog (message 500) and when a
// category of that name exists in any case (message 201).
int RunNewCategoryCommand(CliArguments& arguments)
{
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("new-category", arguments.Error());
    if (positional.size() != 2)
        return UsageError("new-category", "give the blog and the category's name");
    int status = ExitSuccess;
    auto blogs = OpenDeviceBlog("new-category", positional[0], BlogUse::Change, status);
    if (!blogs)
        return status;
    CWinBlogStorage& store = *blogs->store;
    const std::string& name = positional[1];

    if (store.IsReadOnly(nullptr)) {
        ShowStringMessage(kNoPermissionMessage, MessageIcon::Warning);
        return ExitFailure;
    }
    if (store.FindCategoryByName(name)) {
        ShowStringMessage(kCategoryExistsMessage, MessageIcon::Error);
        return ExitFailure;
    }
    auto id = store.NextLocalCategoryId();
    if (!id)
        return Failure("new-category: every local category id of the blog is in use; sync it first");
    auto category = store.NewCategory();
    category->SetId(*id);
    category->SetName(name);
    category->SetModified(true);
    BlogAlbum& added = store.InsertCategory(std::move(category));
    if (int saved = SaveStore(store))
        return saved;
    PrintJson(AlbumJson(added));
    return ExitSuccess;
}
