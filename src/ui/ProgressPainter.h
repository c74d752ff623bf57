#pragma once

#include "app/LogicalFont.h"
#include "app/ScreenScale.h"
#include "imaging/Rect.h"
#include "ui/CIconList.h"
#include "ui/PaintContext.h"

#include <string>
#include <vector>

class PaintContext;

// What the progress window draws with.
struct ProgressStyle {
    ScreenScale scale;
    LogicalFont normalFont;
    LogicalFont boldFont;
    // Resource 158 (162 on large screens): the four frames of the busy
    // icon.
    CIconList busyIcons;
};

// The progress window's face: a black-framed light blue panel, the title in
// bold and the status lines under it (each cut with "..." when too wide),
// and the busy icon's current frame at its place.
void DrawProgressPanel(PaintContext& context, const Rect& client, const std::vector<std::string>& lines, int frame, Point iconPosition, const ProgressStyle& style);
