#include "app/ScreenSize.h"

static ScreenSize g_screenSize;

const ScreenSize& ScreenSize::Current()
{
    return g_screenSize;
}

void ScreenSize::Set(ScreenSize size)
{
    g_screenSize = size;
}
