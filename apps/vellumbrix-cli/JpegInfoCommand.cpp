#include "CliCommand.h"
#include "ImagingCommandHelpers.h"

#include "imaging/JpegImage.h"

#include <iostream>
#include <nlohmann/json.hpp>

// vellumbrix-cli jpeg-info FILE: exits 1 for any non-zero result, with the
// JSON on stdout all the same.
int RunJpegInfoCommand(CliArguments& arguments)
{
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("jpeg-info", arguments.Error());
    if (positional.size() != 1)
        return UsageError("jpeg-info", "give one JPEG file");
    int status = ExitSuccess;
    auto file = OpenPictureFile(positional[0], status);
    if (!file)
        return status;

    JpegImage image(*file);
    JpegInfo info;
    ErrorCode result = image.ReadInfo(info);
    nlohmann::ordered_json json = {
        { "result", SignedCode(result) },
        { "width", info.width },
        { "height", info.height },
        { "has_exif_thumbnail", info.hasExifThumbnail },
        { "date_taken", std::string(info.dateTaken) },
        { "description", std::string(info.description) },
    };
    // EXIF texts are whatever the camera wrote; keep invalid UTF-8 printable.
    std::cout << json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
    // The JSON says why; the status lets a script tell without reading it.
    return result ? ExitFailure : ExitSuccess;
}
