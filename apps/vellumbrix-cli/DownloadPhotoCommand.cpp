#include "BlogCommandHelpers.h"
#include "CliCommand.h"
#include "NetworkCommand.h"

#include "app/Messages.h"
#include "app/Preferences.h"
#include "platform/FileSystem.h"
#include "service/PhotoAddress.h"

static constexpr StringId kAlreadyHaveThisSizeMessage = 170;

// vellumbrix-cli download-photo BLOG INDEX SIZE [--next-sync]: the
// download-photo dialog. SIZE is a size code from 2 to 7 or its name
// ("176x132" ... "full size"); it becomes the dialog's remembered choice.
// An entry that already has its photo at that size is told so. Without
// --next-sync the photo is fetched now; with it the entry is marked for the
// next sync (its pending mark unchanged) and the store is saved, since this
// command has no later save.
int RunDownloadPhotoCommand(CliArguments& arguments)
{
    bool nextSync = arguments.TakeFlag("--next-sync");
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("download-photo", arguments.Error());
    if (positional.size() != 3)
        return UsageError("download-photo", "give the blog, the entry's index and the size");
    auto index = ParseNumber(positional[1], 4294967295u);
    if (!index)
        return UsageError("download-photo", "the index is a number (see vellumbrix-cli entries)");
    auto size = ParsePhotoSize(positional[2], 2);
    if (!size)
        return UsageError("download-photo", "the size is a code from 2 to 7 or its name (" + PhotoSizeNames(2) + ")");

    int status = ExitSuccess;
    auto blogs = OpenDeviceBlog("download-photo", positional[0], BlogUse::Change, status);
    if (!blogs)
        return status;
    CWinBlogStorage& store = *blogs->store;
    if (*index >= store.GetEntries().GetSize())
        return Failure("download-photo: the blog has no entry " + positional[1] + " (see vellumbrix-cli entries)");
    BlogEntry& entry = *store.GetEntries().GetAt(*index);
    if (!entry.IsOnTheWeb())
        return Failure("download-photo: entry " + positional[1] + " was never published; the web has no photo of it");
    // The dialog remembers the choice; a preference that cannot be written
    // only means it is not remembered.
    (void)WriteDownloadPhotoSize(*size);
    if (IsRegularFile(entry.GetPhotoPath()) && entry.GetPhotoState() == *size) {
        ShowStringMessage(kAlreadyHaveThisSizeMessage, MessageIcon::Information);
        return ExitSuccess;
    }

    if (nextSync) {
        // The request alone does not make the entry pending.
        bool pending = entry.IsPending();
        entry.SetPhotoState(static_cast<std::uint8_t>(*size + PhotoSize::RequestStateOffset));
        entry.SetPending(pending);
        if (store.Save())
            return ExitFailure;
        PrintJson(IndexedEntryJson(*index, entry));
        return ExitSuccess;
    }
    NetworkCommand network;
    if (!network.Connect())
        return network.Status();
    status = network.StatusOf(network.Commands().DownloadEntryPhoto(store, entry, *size, network.Progress()));
    if (status == ExitSuccess)
        PrintJson(IndexedEntryJson(*index, entry));
    return status;
}
