#include "CliCommand.h"

#include <iostream>

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
    { "add-photo", "BLOG FILE... [--title T] [--caption C] [--category NAME]", "add photos to a blog as new pending entries", DeviceUse::Writes, RunAddPhotoCommand },
    { "blogs", "", "the blogs on the device", DeviceUse::Reads, RunBlogsCommand },
    { "categories", "BLOG", "the categories of a blog", DeviceUse::Reads, RunCategoriesCommand },
    { "decode", "FILE [--scale 0-3] [--exif-thumbnail] --out OUT.ppm", "decode a JPEG (or its EXIF thumbnail) at 1/2^scale into a PPM file", DeviceUse::None, RunDecodeCommand },
    { "delete-entry", "BLOG INDEX [--on-web] [--delete-photo]", "delete an entry (hide it on the device, or queue its deletion on the web)", DeviceUse::Writes, RunDeleteEntryCommand },
    { "entries", "BLOG [--status N] [--category ID]", "the entries a blog shows, with their indexes", DeviceUse::Reads, RunEntriesCommand },
    { "error", "CODE", "the message text that the error table gives for a code", DeviceUse::None, RunErrorCommand },
    { "inspect", "FILE", "a blog store file (.vxl) or user file (.vxu) as JSON", DeviceUse::None, RunInspectCommand },
    { "jpeg-info", "FILE", "size, EXIF thumbnail, date taken and description of a JPEG", DeviceUse::None, RunJpegInfoCommand },
    { "new-category", "BLOG NAME", "add a category to a blog", DeviceUse::Writes, RunNewCategoryCommand },
    { "prefs", "[NAME VALUE]", "list every preference, or write one", DeviceUse::WritesWithArguments, RunPrefsCommand },
    { "purge-photos", "BLOG", "delete the photos of the entries a blog shows, keeping the thumbnails", DeviceUse::Writes, RunPurgePhotosCommand },
    { "remove-blog", "BLOG [--delete-photos]", "remove a blog from the device (it stays on the web)", DeviceUse::Writes, RunRemoveBlogCommand },
    { "render", "FILE --size WxH [--flags HEX] --out OUT.ppm", "fit a JPEG into a WxH rectangle with the load flags, as the views do", DeviceUse::None, RunRenderCommand },
    { "resave", "FILE", "load a blog store or user file and save it back", DeviceUse::None, RunResaveCommand },
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
