#include "CliCommand.h"
#include "ImagingCommandHelpers.h"

#include "imaging/EntryThumbnail.h"
#include "imaging/SaveDibAsJpeg.h"

#include <iostream>
#include <nlohmann/json.hpp>

// vellumbrix-cli thumbnail FILE OUT.jpg
int RunThumbnailCommand(CliArguments& arguments)
{
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("thumbnail", arguments.Error());
    if (positional.size() != 2)
        return UsageError("thumbnail", "give the photo and the thumbnail file to write");
    int status = ExitSuccess;
    auto file = OpenPictureFile(positional[0], status);
    if (!file)
        return status;
    auto bitmap = MakeEntryThumbnail(*file);
    if (bitmap.IsError())
        return Failure("can't make a thumbnail of " + positional[0] + " (" + CodeText(bitmap.GetError()) + ")");
    if (auto error = SaveDibAsJpeg(*bitmap, positional[1], EntryThumbnailQuality))
        return Failure("can't write " + positional[1] + " (" + CodeText(error) + ")");
    nlohmann::ordered_json json = { { "result", 0 }, { "width", bitmap->Width() }, { "height", bitmap->Height() } };
    std::cout << json.dump(2) << "\n";
    return ExitSuccess;
}
