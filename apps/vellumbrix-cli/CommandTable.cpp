#include "CliCommand.h"

#include <iostream>

int RunDecodeCommand(CliArguments&);
int RunErrorCommand(CliArguments&);
int RunInspectCommand(CliArguments&);
int RunJpegInfoCommand(CliArguments&);
int RunPrefsCommand(CliArguments&);
int RunRenderCommand(CliArguments&);
int RunResaveCommand(CliArguments&);
int RunThumbnailCommand(CliArguments&);

static const CliCommand kCommands[] = {
    { "decode", "FILE [--scale 0-3] [--exif-thumbnail] --out OUT.ppm", "decode a JPEG (or its EXIF thumbnail) at 1/2^scale into a PPM file", false, RunDecodeCommand },
    { "error", "CODE", "the message text that the error table gives for a code", false, RunErrorCommand },
    { "inspect", "FILE", "a blog store file (.vxl) or user file (.vxu) as JSON", false, RunInspectCommand },
    { "jpeg-info", "FILE", "size, EXIF thumbnail, date taken and description of a JPEG", false, RunJpegInfoCommand },
    { "prefs", "[NAME VALUE]", "list every preference, or write one", true, RunPrefsCommand },
    { "render", "FILE --size WxH [--flags HEX] --out OUT.ppm", "fit a JPEG into a WxH rectangle with the load flags, as the views do", false, RunRenderCommand },
    { "resave", "FILE", "load a blog store or user file and save it back", false, RunResaveCommand },
    { "thumbnail", "FILE OUT.jpg", "make the 96 x 96 entry thumbnail of a photo", false, RunThumbnailCommand },
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
