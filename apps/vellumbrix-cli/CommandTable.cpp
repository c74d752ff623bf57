#include "CliCommand.h"

#include <iostream>

int RunAccountCommand(CliArguments&);
int RunChannelsCommand(CliArguments&);
int RunCreateAccountCommand(CliArguments&);
int RunCreateBlogCommand(CliArguments&);
int RunPhotoEmailCommand(CliArguments&);
int RunRemotePostCommand(CliArguments&);
int RunAddCommentCommand(CliArguments&);
int RunCheckUpdatesCommand(CliArguments&);
int RunCommentsCommand(CliArguments&);
int RunDeleteCommentCommand(CliArguments&);
int RunDownloadPhotoCommand(CliArguments&);
int RunLoginCommand(CliArguments&);
int RunSubscribeCommand(CliArguments&);
int RunSyncCommand(CliArguments&);
int RunSyncEntryCommand(CliArguments&);
int RunDecodeCommand(CliArguments&);
int RunAddPhotoCommand(CliArguments&);
int RunBlogsCommand(CliArguments&);
int RunCategoriesCommand(CliArguments&);
int RunDeleteEntryCommand(CliArguments&);
int RunEntriesCommand(CliArguments&);
int RunErrorCommand(CliArguments&);
int RunInspectCommand(CliArguments&);
int RunJpegInfoCommand(CliArguments&);
int RunNewCategoryCommand(CliArguments&);
int RunPrefsCommand(CliArguments&);
int RunPurgePhotosCommand(CliArguments&);
int RunRemoveBlogCommand(CliArguments&);
int RunRenderCommand(CliArguments&);
int RunResaveCommand(CliArguments&);
int RunThumbnailCommand(CliArguments&);

static const CliCommand kCommands[] = {
    { "account", "[--refresh]", "the account as the device holds it (refreshed from the service first with --refresh)", DeviceUse::WritesWithArguments, RunAccountCommand },
    { "add-comment", "BLOG INDEX TEXT", "post a comment on an entry at once (kept for the next sync when it cannot go)", DeviceUse::Writes, RunAddCommentCommand },
    { "add-photo", "BLOG FILE... [--title T] [--caption C] [--category NAME]", "add photos to a blog as new pending entries", DeviceUse::Writes, RunAddPhotoCommand },
    { "blogs", "", "the blogs on the device", DeviceUse::Reads, RunBlogsCommand },
    { "categories", "BLOG", "the categories of a blog", DeviceUse::Reads, RunCategoriesCommand },
    { "channels", "", "the blogs the service recommends, with their Blog URLs", DeviceUse::Reads, RunChannelsCommand },
    { "check-updates", "", "ask the service whether a newer version of Vellumbrix is out", DeviceUse::Writes, RunCheckUpdatesCommand },
    { "comments", "BLOG INDEX", "the comments of an entry, with their positions", DeviceUse::Reads, RunCommentsCommand },
    { "create-account", "EMAIL PASSWORD FIRST LAST", "make an account on the service and log in with it", DeviceUse::Writes, RunCreateAccountCommand },
    { "create-blog", "URL [--title T] [--subtitle S] [--hidden]", "make a blog of the account on the service (the taken URL's suggestions are printed)", DeviceUse::Writes, RunCreateBlogCommand },
    { "decode", "FILE [--scale 0-3] [--exif-thumbnail] --out OUT.ppm", "decode a JPEG (or its EXIF thumbnail) at 1/2^scale into a PPM file", DeviceUse::None, RunDecodeCommand },
    { "delete-comment", "BLOG INDEX N", "delete a comment (its deletion reaches the web at the next sync)", DeviceUse::Writes, RunDeleteCommentCommand },
    { "delete-entry", "BLOG INDEX [--on-web] [--delete-photo]", "delete an entry (hide it on the device, or queue its deletion on the web)", DeviceUse::Writes, RunDeleteEntryCommand },
    { "download-photo", "BLOG INDEX SIZE [--next-sync]", "fetch an entry's photo at a size (2-7 or 176x132 ... full size) now, or at the next sync", DeviceUse::Writes, RunDownloadPhotoCommand },
    { "entries", "BLOG [--status N] [--category ID]", "the entries a blog shows, with their indexes", DeviceUse::Reads, RunEntriesCommand },
    { "error", "CODE", "the message text that the error table gives for a code", DeviceUse::None, RunErrorCommand },
    { "inspect", "FILE", "a blog store file (.vxl) or user file (.vxu) as JSON", DeviceUse::None, RunInspectCommand },
    { "jpeg-info", "FILE", "size, EXIF thumbnail, date taken and description of a JPEG", DeviceUse::None, RunJpegInfoCommand },
    { "login", "EMAIL PASSWORD", "log in: keep the account's e-mail and password and bring the device's blogs in line with it", DeviceUse::Writes, RunLoginCommand },
    { "new-category", "BLOG NAME", "add a category to a blog", DeviceUse::Writes, RunNewCategoryCommand },
    { "photo-email", "BLOG [INDEX] --to ADDRS [--message M]", "have the service e-mail an entry, or the blog as filtered", DeviceUse::Reads, RunPhotoEmailCommand },
    { "prefs", "[NAME VALUE]", "list every preference, or write one", DeviceUse::WritesWithArguments, RunPrefsCommand },
    { "purge-photos", "BLOG", "delete the photos of the entries a blog shows, keeping the thumbnails", DeviceUse::Writes, RunPurgePhotosCommand },
    { "remote-post", "BLOG [INDEX] --remote NAME [--title T] [--caption C]", "post an entry, or the blog as filtered, to a remote blog of the account", DeviceUse::Reads, RunRemotePostCommand },
    { "remove-blog", "BLOG [--delete-photos]", "remove a blog from the device (it stays on the web)", DeviceUse::Writes, RunRemoveBlogCommand },
    { "render", "FILE --size WxH [--flags HEX] --out OUT.ppm", "fit a JPEG into a WxH rectangle with the load flags, as the views do", DeviceUse::None, RunRenderCommand },
    { "resave", "FILE", "load a blog store or user file and save it back", DeviceUse::None, RunResaveCommand },
    { "subscribe", "URL [--download SIZE] [--limit N]", "subscribe to a blog and fetch its entries (SIZE 0-7 or its name, N 0 for no limit)", DeviceUse::Writes, RunSubscribeCommand },
    { "sync", "[BLOG]", "sync the account and every blog with the service, or one blog", DeviceUse::Writes, RunSyncCommand },
    { "sync-entry", "BLOG INDEX", "send one pending entry, as the entry editor's Sync does", DeviceUse::Writes, RunSyncEntryCommand },
    { "thumbnail", "FILE OUT.jpg", "make the 96 x 96 entry thumbnail of a photo", DeviceUse::None, RunThumbnailCommand },
};

std::span<const CliCommand> AllCommands()
{
    return kCommands;
}

int UsageError(std::string_view commandName, std::string_view problem)
{
    for (auto& command : kCommands) {
        if (command.name == commandName)
            return UsageError(command, problem);
    }
    std::cerr << "vellumbrix-cli: " << problem << "\n";
    return ExitUsage;
}

int UsageError(const CliCommand& command, std::string_view problem)
{
    std::cerr << "vellumbrix-cli " << command.name << ": " << problem << "\n"
              << "usage: vellumbrix-cli " << command.name << " " << command.usage << "\n";
    return ExitUsage;
}

int Failure(std::string_view message)
{
    std::cerr << "vellumbrix-cli: " << message << "\n";
    return ExitFailure;
}
