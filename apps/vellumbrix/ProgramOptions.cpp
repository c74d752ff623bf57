#include "ProgramOptions.h"

#include <charconv>

namespace {

// Screens the layout still works on, and sensible densities.
constexpr int kSmallestSide = 120;
constexpr int kLargestSide = 4096;
constexpr int kLowestDpi = 48;
constexpr int kHighestDpi = 480;
// The two bars take 26 scaled pixels each; the view needs room between.
constexpr int kBarHeight = 26;
constexpr int kSmallestView = 60;

std::optional<int> ParseNumber(std::string_view text)
{
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

}

const char* const kProgramUsage = "usage: vellumbrix [--screen WxH] [--dpi N] [--landscape] [--home FOLDER]\n"
                                  "                  [--offscreen] [--screenshot OUT.png] [--do STEP]...\n"
                                  "       vellumbrix [--home FOLDER] --camera-notice PHOTO [--result N]\n\n"
                                  "--screen WxH       the handheld's screen in its pixels (default 240x320)\n"
                                  "--dpi N            its pixels per inch (default 96; 192 doubles every size)\n"
                                  "--landscape        turns the screen on its side\n"
                                  "--home FOLDER      works on the sandboxed device in FOLDER (as VELLUMBRIX_HOME)\n"
                                  "--offscreen        runs without a window: messages go to stderr, each dialog\n"
                                  "                   is shown and cancelled at once\n"
                                  "--screenshot FILE  saves the screen as a PNG file after the steps, then ends;\n"
                                  "                   dialogs are cancelled as with --offscreen, and a dialog\n"
                                  "                   opened by the last step is on it\n"
                                  "--do STEP          one step, run in order after the start:\n"
                                  "                     open-blog N, open-entry N, key NAME, tap X,Y, hold X,Y,\n"
                                  "                     command ID, wait-sync, wait MILLISECONDS\n"
                                  "--camera-notice PHOTO  tells the program running on the device that a camera\n"
                                  "                   took PHOTO (as a camera application does); the open blog\n"
                                  "                   adds it as a new entry\n"
                                  "--result N         the notice's result word (0, the default: a photo was taken)\n"
                                  "F2 shows and hides the input panel.\n";

std::optional<std::string> ParseProgramOptions(const std::vector<std::string>& arguments, ProgramOptions& options)
{
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= arguments.size())
                return std::nullopt;
            return arguments[++i];
        };
        if (word == "--help" || word == "-h") {
            options.help = true;
        } else if (word == "--landscape") {
            options.landscape = true;
        } else if (word == "--offscreen") {
            options.offscreen = true;
        } else if (word == "--screen") {
            auto text = value();
            size_t x = text ? text->find('x') : std::string::npos;
            if (x == std::string::npos)
                return "--screen wants WIDTHxHEIGHT, such as 240x320";
            auto width = ParseNumber(std::string_view(*text).substr(0, x));
            auto height = ParseNumber(std::string_view(*text).substr(x + 1));
            if (!width || !height || *width < kSmallestSide || *height < kSmallestSide || *width > kLargestSide || *height > kLargestSide)
                return "--screen: each side must be a number from 120 to 4096";
            options.screenWidth = *width;
            options.screenHeight = *height;
        } else if (word == "--dpi") {
            auto text = value();
            auto dpi = text ? ParseNumber(*text) : std::nullopt;
            if (!dpi || *dpi < kLowestDpi || *dpi > kHighestDpi)
                return "--dpi wants a number from 48 to 480";
            options.dpi = *dpi;
        } else if (word == "--home") {
            auto text = value();
            if (!text || text->empty())
                return "--home wants a folder";
            options.home = *text;
        } else if (word == "--screenshot") {
            auto text = value();
            if (!text || text->empty())
                return "--screenshot wants a file name";
            options.screenshot = *text;
        } else if (word == "--do") {
            auto text = value();
            if (!text || text->empty())
                return "--do wants a step";
            options.steps.push_back(*text);
        } else if (word == "--camera-notice") {
            auto text = value();
            if (!text || text->empty())
                return "--camera-notice wants a photo file";
            options.cameraNotice = *text;
        } else if (word == "--result") {
            auto text = value();
            std::uint32_t result = 0;
            auto [end, error] = text ? std::from_chars(text->data(), text->data() + text->size(), result) : std::from_chars_result { nullptr, std::errc::invalid_argument };
            if (!text || error != std::errc() || end != text->data() + text->size())
                return "--result wants a number from 0 to 4294967295";
            options.noticeResult = result;
        } else {
            return "unknown argument '" + word + "'";
        }
    }
    if (options.noticeResult && !options.cameraNotice)
        return "--result goes with --camera-notice";
    int bars = 2 * kBarHeight * options.dpi / 96;
    if (options.Height() < bars + kSmallestView)
        return "the screen is too low for its bars at this dpi";
    return std::nullopt;
}
