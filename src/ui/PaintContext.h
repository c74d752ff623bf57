#pragma once

#include "app/LogicalFont.h"
#include "imaging/DeviceContext.h"
#include "imaging/Rect.h"
#include "ui/ColorRef.h"

#include <optional>
#include <span>
#include <string_view>

struct Point {
    int x { 0 };
    int y { 0 };
};

// The drawing operations of the views, on top of the bitmap copies of the
// imaging layer: what the handheld's graphics device interface offered. The
// views draw only through it, so their drawing rules run on any surface;
// the desktop implements it over QPainter on an RGB565 bitmap.
//
// Texts are UTF-8. Fonts are logical-font records: a negative height is the
// character height in pixels, a positive one the cell height.
class PaintContext : public DeviceContext {
public:
    virtual void FillRect(const Rect& rect, ColorRef color) = 0;
    // The outline drawn inside the rectangle with a pen `penWidth` pixels
    // wide, the inside filled with the brush (left alone without one).
    virtual void DrawRectangle(const Rect& rect, int penWidth, ColorRef pen, std::optional<ColorRef> brush) = 0;
    // A one-pixel line from (x0, y0) to (x1, y1), both ends included.
    virtual void DrawLine(int x0, int y0, int x1, int y1, ColorRef color) = 0;
    virtual void FillPolygon(std::span<const Point> points, ColorRef color) = 0;
    // Copies a block of a bitmap, leaving out the pixels of the transparent
    // colour.
    virtual void CopyBitmapTransparent(int x, int y, int width, int height, const Dib& bitmap, int sourceX, int sourceY, ColorRef transparent) = 0;

    // The font's character height (ascent and descent).
    virtual int GetFontHeight(const LogicalFont& font) = 0;
    // The width of one line of text.
    virtual int MeasureText(const LogicalFont& font, std::string_view text) = 0;
    // One line of text with its top-left corner at (x, y), without
    // background.
    virtual void DrawTextLine(int x, int y, std::string_view text, const LogicalFont& font, ColorRef color) = 0;
    // The text broken into lines at word boundaries to fit the rectangle's
    // width (no prefix processing), from its top; returns the height the
    // text takes. With draw false it only measures.
    virtual int DrawWrappedText(const Rect& rect, std::string_view text, const LogicalFont& font, ColorRef color, bool draw) = 0;
};
