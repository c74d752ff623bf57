#include "CliCommand.h"
#include "ImagingCommandHelpers.h"

#include "imaging/JpegImage.h"
#include "platform/File.h"

#include <iostream>
#include <nlohmann/json.hpp>

// vellumbrix-cli jpeg-info FILE
int RunJpegInfoCommand(CliArguments& arguments)
{
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("jpeg-info", arguments.Error());
    if (positional.size() != 1)
        return UsageError("jpeg-info", "give one JPEG file");
    auto file = File::Open(positional[0], File::Mode::Read);
    if (file.IsError())
        return Failure("can't open " + positional[0] + " (" + CodeText(file.GetError()) + ")");

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
    return ExitSuccess;
}
