#include "CliCommand.h"
#include "ImagingCommandHelpers.h"
#include "PpmFile.h"

#include "imaging/JpegImage.h"

#include <iostream>
#include <nlohmann/json.hpp>

// vellumbrix-cli decode FILE [--scale S] [--exif-thumbnail] --out OUT.ppm
int RunDecodeCommand(CliArguments& arguments)
{
    auto scaleText = arguments.TakeOption("--scale");
    auto out = arguments.TakeOption("--out");
    bool thumbnail = arguments.TakeFlag("--exif-thumbnail");
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("decode", arguments.Error());
    if (positional.size() != 1)
        return UsageError("decode", "give one JPEG file");
    if (!out)
        return UsageError("decode", "--out is required");
    int scale = 0;
    if (scaleText) {
        if (scaleText->size() != 1 || (*scaleText)[0] < '0' || (*scaleText)[0] > '3')
            return UsageError("decode", "--scale must be 0, 1, 2 or 3");
        scale = (*scaleText)[0] - '0';
    }

    int status = ExitSuccess;
    auto file = OpenPictureFile(positional[0], status);
    if (!file)
        return status;
    JpegImage image(*file);
    auto bitmap = image.Decode(scale, thumbnail);
    if (bitmap.IsError())
        return Failure("can't decode " + positional[0] + " (" + CodeText(bitmap.GetError()) + ")");
    if (auto error = WritePpmFile(*bitmap, *out))
        return Failure("can't write " + *out + " (" + CodeText(error) + ")");
    nlohmann::ordered_json json = { { "result", 0 }, { "width", bitmap->Width() }, { "height", bitmap->Height() } };
    std::cout << json.dump(2) << "\n";
    return ExitSuccess;
}
