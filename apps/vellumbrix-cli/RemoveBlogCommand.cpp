#include "BlogCommandHelpers.h"
#include "CliCommand.h"

#include "platform/UserInteraction.h"

static constexpr std::string_view kRemoveQuestion = "The blog will be deleted from your device but will remain on the web.\nDo you wish to continue?";

// vellumbrix-cli remove-blog BLOG [--delete-photos]: "Unsubscribe..." of
// the Edit Blogs dialog. After the question is answered Yes the blog's
// store file is deleted (and with --delete-photos every photo of its
// entries). The user file keeps the blog among the blogs the account knows,
// so that the next account refresh tells the service to forget it too.
int RunRemoveBlogCommand(CliArguments& arguments)
{
    bool deletePhotos = arguments.TakeFlag("--delete-photos");
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("remove-blog", arguments.Error());
    if (positional.size() != 1)
        return UsageError("remove-blog", "give one blog");
    int status = ExitSuccess;
    auto blogs = OpenDeviceBlog("remove-blog", positional[0], BlogUse::Remove, status);
    if (!blogs)
        return status;

    if (!UserInteraction::Current().AskYesNo(kRemoveQuestion, MessageIcon::Question, DefaultButton::No))
        return Failure("remove-blog: nothing was deleted");
    std::string urlName = blogs->store->GetBlogInfo().GetUrlName();
    std::string file = blogs->store->GetFilePath();
    if (ErrorCode error = blogs->user->RemoveBlog(blogs->store, deletePhotos))
        return Failure("remove-blog: " + file + " could not be deleted: " + SystemErrorText(error) + "; the blog stays");
    PrintJson({ { "url_name", urlName }, { "file", file }, { "photos_deleted", deletePhotos } });
    return ExitSuccess;
}
