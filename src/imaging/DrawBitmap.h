#pragma once

#include "imaging/Rect.h"

class DeviceContext;
class Dib;

// Copies the bitmap into the rectangle with a plain source copy. With centre
// set, the bitmap keeps its own size and sits in the middle of the rectangle;
// otherwise it is placed at the rectangle's top left and cut to its size.
void DrawBitmap(DeviceContext& context, const Rect& rect, const Dib& bitmap, bool centre);
