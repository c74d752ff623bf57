#include "ui/SystemFont.h"

#include "app/ScreenScale.h"

#include <cmath>

static constexpr int kDesignDpi = 96;
static constexpr int kPointsPerInch = 72;
static constexpr int kSystemFontPoints = 9;
static constexpr int kNormalWeight = 400;

int PixelsPerInch(const ScreenScale& scale)
{
    return static_cast<int>(std::lround(kDesignDpi * scale.vertical));
}

LogicalFont SystemFont(const ScreenScale& scale)
{
    LogicalFont font;
    // Negative: the character height, the points converted at the screen's
    // pixels per inch, rounded half up.
    font.height = -static_cast<std::int32_t>((kSystemFontPoints * PixelsPerInch(scale) * 2 + kPointsPerInch) / (2 * kPointsPerInch));
    font.weight = kNormalWeight;
    font.faceName = u"Tahoma";
    return font;
}
