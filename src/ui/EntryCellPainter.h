#pragma once

#include "imaging/Rect.h"
#include "ui/ColorRef.h"

class BlogEntry;
class PaintContext;
struct ScreenScale;
struct ViewStyle;

// The blog grid's cell of one entry: its thumbnail fitted and centred, the
// marker of a new entry or of new comments, and the selection frame.
void DrawEntryCell(PaintContext& context, const Rect& cell, const BlogEntry& entry, bool selected, const ViewStyle& style);

// The selection frame of a grid cell: the cell's edge in the selection
// colour, 3 scaled pixels wide at the sides and one pixel at the top and the
// bottom, the inside left as it is.
void DrawSelectionFrame(PaintContext& context, const Rect& cell, ColorRef color, const ScreenScale& scale);
