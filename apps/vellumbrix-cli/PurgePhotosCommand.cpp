#include "BlogCommandHelpers.h"
#include "CliCommand.h"

#include "platform/UserInteraction.h"

#include <iostream>

static constexpr std::string_view kPurgeQuestion = "Delete the photos for all blog entries shown? The entries will remain with thumbnails only.";

// vellumbrix-cli purge-photos BLOG: the "Purge Photos" command. The photo
// files of the entries the blog shows (with the filters last chosen on the
// device) are deleted after the question is answered Yes; the entries keep
// their thumbnails. Entries that were never published keep their photo.
int RunPurgePhotosCommand(CliArguments& arguments)
{
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("purge-photos", arguments.Error());
    if (positional.size() != 1)
        return UsageError("purge-photos", "give one blog");
    int status = ExitSuccess;
    auto blogs = OpenDeviceBlog("purge-photos", positional[0], BlogUse::Change, status);
    if (!blogs)
        return status;
    CWinBlogStorage& store = *blogs->store;

    if (!UserInteraction::Current().AskYesNo(kPurgeQuestion, MessageIcon::Question, DefaultButton::No))
        return Failure("purge-photos: nothing was deleted");
    std::vector<BlogEntry*> withPhotos;
    for (size_t i = 0; i < store.GetShownEntryCount(); ++i) {
        BlogEntry* entry = store.GetShownEntryAt(i);
        if (!entry->GetPhotoPath().empty())
            withPhotos.push_back(entry);
    }
    ErrorCode error = store.PurgeShownPhotos();
    size_t purged = 0;
    size_t kept = 0;
    for (BlogEntry* entry : withPhotos)
        (entry->GetPhotoPath().empty() ? purged : kept) += 1;
    if (error)
        std::cerr << "purge-photos: some photos could not be deleted (system error " << error << ")\n";
    if (int saved = SaveStore(store))
        return saved;
    PrintJson({ { "purged", purged }, { "kept", kept } });
    return error ? ExitFailure : ExitSuccess;
}
