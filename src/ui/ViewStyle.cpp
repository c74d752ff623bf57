#include "ui/ViewStyle.h"

static constexpr std::int32_t kBold = 700;
static constexpr std::int32_t kHeavy = 900;

LogicalFont BoldFontOf(const LogicalFont& font)
{
    LogicalFont bold = font;
    bold.weight = font.weight >= kBold ? kHeavy : kBold;
    return bold;
}
