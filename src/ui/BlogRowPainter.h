#pragma once

#include "imaging/Rect.h"

class CWinBlogStorage;
class PaintContext;
struct ViewStyle;

// The home list's row of one blog: a framed cell with the first entry's
// thumbnail (or the placeholder picture) in a square box, a marker for new
// entries or comments, the blog's name, subtitle and photo count, and the
// group-blog badge.
void DrawBlogRow(PaintContext& context, const Rect& cell, const CWinBlogStorage& blog, bool selected, const ViewStyle& style);
