#pragma once

#include "app/LogicalFont.h"

struct ScreenScale;

// The handheld's system font, "Tahoma" of 9 points at the screen's
// emulated pixels per inch: what a window's device context starts with.
LogicalFont SystemFont(const ScreenScale& scale);

// The screen's vertical pixels per inch.
int PixelsPerInch(const ScreenScale& scale);
