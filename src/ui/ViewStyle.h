#pragma once

#include "app/LogicalFont.h"
#include "app/ScreenScale.h"
#include "imaging/Dib.h"
#include "ui/CIconList.h"
#include "ui/ColorRef.h"

// What the main view draws with: the screen scale, its two fonts, the
// marker icons and the two bitmaps of the blog rows.
struct ViewStyle {
    ScreenScale scale;
    LogicalFont normalFont;
    LogicalFont boldFont;
    // Resource 159: icon 0 marks new entries, icon 1 new comments.
    CIconList markers;
    // Resource 138: the picture of a blog without entries.
    const Dib* placeholder { nullptr };
    // Resource 152: the group-blog badge, cyan transparent.
    const Dib* groupBadge { nullptr };
    ColorRef selectionColor { Colors::SelectionBlue };
};

// The bold form of a font: weight 700, or 900 when it is 700 or more
// already.
LogicalFont BoldFontOf(const LogicalFont& font);
