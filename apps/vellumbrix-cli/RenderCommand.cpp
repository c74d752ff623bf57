#include "CliCommand.h"
#include "ImagingCommandHelpers.h"
#include "PpmFile.h"

#include "imaging/JpegImage.h"

#include <charconv>
#include <iostream>
#include <nlohmann/json.hpp>

static bool ParseSize(const std::string& text, int& width, int& height)
{
    size_t cross = text.find('x');
    if (cross == std::string::npos)
        return false;
    const char* end = text.data() + text.size();
    auto [widthEnd, widthError] = std::from_chars(text.data(), text.data() + cross, width);
    auto [heightEnd, heightError] = std::from_chars(text.data() + cross + 1, end, height);
    return widthError == std::errc() && heightError == std::errc() && widthEnd == text.data() + cross && heightEnd == end
        && width > 0 && height > 0 && width <= 16384 && height <= 16384;
}

static bool ParseFlags(const std::string& text, uint32_t& flags)
{
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        begin += 2;
    auto [stop, error] = std::from_chars(begin, end, flags, 16);
    return error == std::errc() && stop == end;
}

// vellumbrix-cli render FILE --size WxH [--flags HEX] --out OUT.ppm
int RunRenderCommand(CliArguments& arguments)
{
    auto sizeText = arguments.TakeOption("--size");
    auto flagsText = arguments.TakeOption("--flags");
    auto out = arguments.TakeOption("--out");
    auto& positional = arguments.Positional();
    if (!arguments.Error().empty())
        return UsageError("render", arguments.Error());
    if (positional.size() != 1)
        return UsageError("render", "give one JPEG file");
    int width = 0, height = 0;
    if (!sizeText || !ParseSize(*sizeText, width, height))
        return UsageError("render", "--size WxH is required (1 to 16384 each way)");
    uint32_t flags = 0;
    if (flagsText && !ParseFlags(*flagsText, flags))
        return UsageError("render", "--flags takes a hexadecimal number");
    if (!out)
        return UsageError("render", "--out is required");

    int status = ExitSuccess;
    auto file = OpenPictureFile(positional[0], status);
    if (!file)
        return status;
    JpegImage image(*file);
    Rect rect { 0, 0, width, height };
    Dib bitmap;
    ErrorCode result = image.LoadBitmap(rect, flags, bitmap);
    if (!result)
        result = WritePpmFile(bitmap, *out);
    nlohmann::ordered_json json = {
        { "result", SignedCode(result) },
        { "left", rect.left },
        { "top", rect.top },
        { "right", rect.right },
        { "bottom", rect.bottom },
    };
    std::cout << json.dump(2) << "\n";
    if (result)
        return Failure("can't render " + positional[0] + " (" + CodeText(result) + ")");
    return ExitSuccess;
}
