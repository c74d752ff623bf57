#include "ui/TextFitting.h"

#include "ui/PaintContext.h"

#include <algorithm>
#include <vector>

static constexpr std::string_view kEllipsis = "...";

// The positions at which a UTF-8 text may be cut: the start of every
// character, so that a cut never splits one.
static std::vector<size_t> CharacterStarts(std::string_view text)
{
    std::vector<size_t> starts;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    }
    starts.push_back(text.size());
    return starts;
}

std::string FitTextToWidth(PaintContext& context, const LogicalFont& font, std::string_view text, int width)
{
    std::string line(text);
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    if (context.MeasureText(font, line) <= width)
        return line;

    // The widths of the shortened texts grow with their length, so the
    // longest that fits is found by bisection instead of one character at a
    // time.
    std::vector<size_t> starts = CharacterStarts(line);
    auto fits = [&](size_t characters) {
        std::string candidate = line.substr(0, starts[characters]);
        candidate += kEllipsis;
        return context.MeasureText(font, candidate) <= width;
    };
    size_t low = 0;
    size_t high = starts.size() - 1;
    while (low < high) {
        size_t middle = (low + high + 1) / 2;
        if (fits(middle))
            low = middle;
        else
            high = middle - 1;
    }
    return line.substr(0, starts[low]) + std::string(kEllipsis);
}
