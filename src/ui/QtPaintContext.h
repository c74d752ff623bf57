#pragma once

#include "ui/PaintContext.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

// The views' drawing operations on an RGB565 bitmap, through QPainter on a
// QImage that shares the bitmap's pixels (QImage::Format_RGB16). Bitmap
// copies go straight to the pixels. Shapes are drawn without antialiasing,
// and text only with it when the font asks for it, as on the handheld.
class QtPaintContext final : public PaintContext {
public:
    // The bitmap must be 16 bits per pixel and outlive the context.
    explicit QtPaintContext(Dib& target);
    ~QtPaintContext() override;
    QtPaintContext(const QtPaintContext&) = delete;
    QtPaintContext& operator=(const QtPaintContext&) = delete;

    void CopyBitmap(int x, int y, int width, int height, const Dib& bitmap, int sourceX, int sourceY) override;
    void FillRect(const Rect& rect, ColorRef color) override;
    void DrawRectangle(const Rect& rect, int penWidth, ColorRef pen, std::optional<ColorRef> brush) override;
    void DrawLine(int x0, int y0, int x1, int y1, ColorRef color) override;
    void FillPolygon(std::span<const Point> points, ColorRef color) override;
    void CopyBitmapTransparent(int x, int y, int width, int height, const Dib& bitmap, int sourceX, int sourceY, ColorRef transparent) override;
    int GetFontHeight(const LogicalFont& font) override;
    int MeasureText(const LogicalFont& font, std::string_view text) override;
    void DrawTextLine(int x, int y, std::string_view text, const LogicalFont& font, ColorRef color) override;
    int DrawWrappedText(const Rect& rect, std::string_view text, const LogicalFont& font, ColorRef color, bool draw) override;

    // The font Qt draws for a logical-font record.
    static QFont ToQFont(const LogicalFont& font);

private:
    const QFont& FontFor(const LogicalFont& font);
    // Text is drawn on a transparent layer and laid over the bitmap by its
    // alpha: Qt draws unsmoothed glyphs into 16-bit images wrongly.
    void DrawThroughLayer(const QRect& area, const std::function<void(QPainter&)>& paint);

    Dib& m_target;
    QImage m_image;
    std::unique_ptr<QPainter> m_painter;
    std::vector<std::pair<LogicalFont, QFont>> m_fonts;
};

// A QImage sharing the pixels of a 16-bit bitmap (valid while it lives).
QImage ImageOf(const Dib& bitmap);
