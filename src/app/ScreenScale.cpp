#include "app/ScreenScale.h"

static ScreenScale g_screenScale;

ScreenScale ScreenScale::FromDotsPerInch(double horizontalDpi, double verticalDpi)
{
    constexpr double kPerDesignInch = 0.010416666666666666; // 1/96
    return { horizontalDpi * kPerDesignInch, verticalDpi * kPerDesignInch };
}

const ScreenScale& ScreenScale::Current()
{
    return g_screenScale;
}

void ScreenScale::Set(ScreenScale scale)
{
    g_screenScale = scale;
}
