#include "BlogCommandHelpers.h"
#include "CliCommand.h"
#include "NetworkCommand.h"

#include "app/Messages.h"
#include "platform/FileSystem.h"

static constexpr StringId kAlreadySubscribedMessage = 174;
static constexpr StringId kEnterBlogUrlMessage = 6003;

// A subscription whose first sync failed is undone completely: nothing of
// it stays on the device.
static void Undo(CWinBlogStorage& store)
{
    // The sync saved the store as it went, and may have fetched photos.
    (void)store.RemoveAllPhotos();
    (void)DeleteFileIfExists(store.GetFilePath());
}

// vellumbrix-cli subscribe URL [--download SIZE] [--limit N]: what the
// subscribe dialog does. A new store for the blog, with the download size
// (a code 0-7 or its label, such as "480x360" or "thumbnails") and the
// entry limit (0 for none) given, or the dialog's defaults; then the new
// blog's first sync. The blog is subscribed when the sync worked, when it
// was cancelled, and when no connection could be made (it syncs later);
// any other failure of the sync undoes the subscription.
int RunSubscribeCommand(CliArguments& arguments)
{
    auto download = arguments.TakeOption("--download");
    auto limit = arguments.TakeOption("--limit");
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("subscribe", arguments.Error());
    if (positional.size() != 1)
        return UsageError("subscribe", "give the Blog URL of the blog");
    if (positional[0].empty())
        return UsageError("subscribe", LoadString(kEnterBlogUrlMessage));
    std::optional<std::uint16_t> downloadSize;
    if (download && !(downloadSize = ParsePhotoSize(*download, 0)))
        return UsageError("subscribe", "--download takes a size code from 0 to 7 or its name (" + PhotoSizeNames(0) + ")");
    std::optional<std::uint32_t> entryLimit;
    if (limit && !(entryLimit = ParseNumber(*limit, 65535)))
        return UsageError("subscribe", "--limit takes a number of entries from 0 (no limit) to 65535");

    auto user = LoadDeviceUser("subscribe");
    if (user->FindBlog(positional[0])) {
        ShowStringMessage(kAlreadySubscribedMessage, MessageIcon::Warning);
        return ExitFailure;
    }
    auto store = std::make_unique<CWinBlogStorage>(user->GetDataFolder(), positional[0]);
    CBlogInfo& blog = store->GetBlogInfo();
    if (downloadSize)
        blog.SetDownloadSize(*downloadSize);
    if (entryLimit) {
        blog.SetLimitEntries(*entryLimit != 0);
        if (*entryLimit != 0)
            blog.SetEntryLimit(static_cast<std::uint16_t>(*entryLimit));
    }
    store->SetUserId(user->GetUserId());

    NetworkCommand network;
    if (!network.Connect()) {
        int status = network.Status();
        if (int added = AddDeviceBlog(*user, std::move(store)))
            return added;
        return status;
    }
    int status = network.StatusOf(network.Commands().SyncBlog(*store, *user, nullptr, network.Progress()));
    if (status == ExitFailure) {
        Undo(*store);
        return status;
    }
    std::size_t entries = store->GetEntries().GetSize();
    std::string urlName = store->GetBlogInfo().GetUrlName();
    if (int added = AddDeviceBlog(*user, std::move(store)))
        return added;
    PrintJson({ { "subscribed", urlName }, { "entries", entries } });
    return status;
}
