#include "ui/QtPaintContext.h"

#include "imaging/Dib.h"
#include "imaging/MemoryDeviceContext.h"
#include "ui/TransparentCopy.h"

#include <QFontMetrics>
#include <QPolygon>
#include <QTextLayout>
#include <cmath>

namespace {

// The face the handheld draws with when a record names none.
constexpr char16_t kDefaultFace[] = u"Tahoma";
// A positive height is the character cell, leading included: the em is
// about five sixths of it.
constexpr double kEmPerCell = 5.0 / 6.0;
// Quality values that ask for smoothed glyphs (antialiased, ClearType).
constexpr std::uint8_t kAntialiasedQuality = 4;
constexpr std::uint8_t kClearTypeQuality = 5;

QColor ToQColor(ColorRef color)
{
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}

QImage ImageOf(const Dib& bitmap)
{
    if (bitmap.IsNull() || bitmap.BitCount() != 16)
        return QImage();
    return QImage(bitmap.Bits(), bitmap.Width(), bitmap.Height(), static_cast<qsizetype>(bitmap.Stride()), QImage::Format_RGB16);
}

QtPaintContext::QtPaintContext(Dib& target)
    : m_target(target)
{
    if (!target.IsNull() && target.BitCount() == 16) {
        m_image = QImage(target.Bits(), target.Width(), target.Height(), static_cast<qsizetype>(target.Stride()), QImage::Format_RGB16);
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
    }
}

QtPaintContext::~QtPaintContext() = default;

QFont QtPaintContext::ToQFont(const LogicalFont& font)
{
    QFont qtFont(font.faceName.empty() ? QString::fromUtf16(kDefaultFace) : QString::fromStdU16String(font.faceName));
    int height = std::abs(font.height);
    if (font.height > 0)
        height = static_cast<int>(std::lround(height * kEmPerCell));
    qtFont.setPixelSize(std::max(height, 1));
    qtFont.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight == 0 ? 400 : font.weight, 100, 900)));
    qtFont.setItalic(font.italic != 0);
    qtFont.setUnderline(font.underline != 0);
    bool smooth = font.quality == kAntialiasedQuality || font.quality == kClearTypeQuality;
    qtFont.setStyleStrategy(smooth ? QFont::PreferAntialias : QFont::NoAntialias);
    qtFont.setHintingPreference(QFont::PreferFullHinting);
    return qtFont;
}

const QFont& QtPaintContext::FontFor(const LogicalFont& font)
{
    for (auto& [record, qtFont] : m_fonts) {
        if (record == font)
            return qtFont;
    }
    m_fonts.emplace_back(font, ToQFont(font));
    return m_fonts.back().second;
}

void QtPaintContext::CopyBitmap(int x, int y, int width, int height, const Dib& bitmap, int sourceX, int sourceY)
{
    MemoryDeviceContext(m_target).CopyBitmap(x, y, width, height, bitmap, sourceX, sourceY);
}

void QtPaintContext::CopyBitmapTransparent(int x, int y, int width, int height, const Dib& bitmap, int sourceX, int sourceY, ColorRef transparent)
{
    CopyTransparent565(m_target, x, y, width, height, bitmap, sourceX, sourceY, transparent);
}

void QtPaintContext::FillRect(const Rect& rect, ColorRef color)
{
    if (m_painter && rect.Width() > 0 && rect.Height() > 0)
        m_painter->fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(color));
}

void QtPaintContext::DrawRectangle(const Rect& rect, int penWidth, ColorRef pen, std::optional<ColorRef> brush)
{
    Rect inside { rect.left + penWidth, rect.top + penWidth, rect.right - penWidth, rect.bottom - penWidth };
    if (!brush) {
        FillRect({ rect.left, rect.top, rect.right, inside.top }, pen);
        FillRect({ rect.left, inside.bottom, rect.right, rect.bottom }, pen);
        FillRect({ rect.left, inside.top, inside.left, inside.bottom }, pen);
        FillRect({ inside.right, inside.top, rect.right, inside.bottom }, pen);
        return;
    }
    FillRect(rect, pen);
    FillRect(inside, *brush);
}

void QtPaintContext::DrawLine(int x0, int y0, int x1, int y1, ColorRef color)
{
    if (!m_painter)
        return;
    if (y0 == y1 || x0 == x1) {
        FillRect({ std::min(x0, x1), std::min(y0, y1), std::max(x0, x1) + 1, std::max(y0, y1) + 1 }, color);
        return;
    }
    m_painter->setPen(QPen(ToQColor(color), 0));
    m_painter->drawLine(x0, y0, x1, y1);
}

void QtPaintContext::FillPolygon(std::span<const Point> points, ColorRef color)
{
    if (!m_painter || points.empty())
        return;
    QPolygon polygon;
    for (const Point& point : points)
        polygon << QPoint(point.x, point.y);
    m_painter->setPen(Qt::NoPen);
    m_painter->setBrush(ToQColor(color));
    m_painter->drawPolygon(polygon);
    m_painter->setBrush(Qt::NoBrush);
}

int QtPaintContext::GetFontHeight(const LogicalFont& font)
{
    return QFontMetrics(FontFor(font)).height();
}

int QtPaintContext::MeasureText(const LogicalFont& font, std::string_view text)
{
    return QFontMetrics(FontFor(font)).horizontalAdvance(ToQString(text));
}

void QtPaintContext::DrawTextLine(int x, int y, std::string_view text, const LogicalFont& font, ColorRef color)
{
    if (text.empty())
        return;
    const QFont& qtFont = FontFor(font);
    QFontMetrics metrics(qtFont);
    QString content = ToQString(text);
    QRect area(x, y, metrics.horizontalAdvance(content) + metrics.maxWidth(), metrics.height());
    DrawThroughLayer(area, [&](QPainter& painter) {
        painter.setFont(qtFont);
        painter.setPen(ToQColor(color));
        painter.drawText(QPoint(x, y + metrics.ascent()), content);
    });
}

void QtPaintContext::DrawThroughLayer(const QRect& area, const std::function<void(QPainter&)>& paint)
{
    QRect clipped = area.intersected(QRect(0, 0, m_target.Width(), m_target.Height()));
    if (clipped.isEmpty() || m_target.BitCount() != 16)
        return;
    QImage layer(clipped.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter painter(&layer);
        painter.translate(-clipped.topLeft());
        paint(painter);
    }
    // Each pixel of the layer covers the bitmap by its alpha.
    for (int row = 0; row < clipped.height(); ++row) {
        const auto* from = reinterpret_cast<const QRgb*>(layer.constScanLine(row));
        std::uint16_t* to = m_target.Row16(clipped.top() + row) + clipped.left();
        for (int column = 0; column < clipped.width(); ++column) {
            QRgb pixel = from[column];
            int alpha = qAlpha(pixel);
            if (alpha == 0)
                continue;
            std::uint16_t below = to[column];
            int red = qRed(pixel) + ((((below >> 8) & 0xF8) * (255 - alpha) + 127) / 255);
            int green = qGreen(pixel) + ((((below >> 3) & 0xFC) * (255 - alpha) + 127) / 255);
            int blue = qBlue(pixel) + ((((below << 3) & 0xF8) * (255 - alpha) + 127) / 255);
            to[column] = ToRgb565(Rgb(static_cast<std::uint8_t>(std::min(red, 255)), static_cast<std::uint8_t>(std::min(green, 255)), static_cast<std::uint8_t>(std::min(blue, 255))));
        }
    }
}

int QtPaintContext::DrawWrappedText(const Rect& rect, std::string_view text, const LogicalFont& font, ColorRef color, bool draw)
{
    // Line breaks in the text end lines; a word wider than the column is
    // broken where it must be rather than cut off.
    QString content = ToQString(text);
    content.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
    content.replace(QLatin1Char('\n'), QChar::LineSeparator);
    content.replace(QLatin1Char('\r'), QChar::LineSeparator);
    const QFont& qtFont = FontFor(font);
    QTextLayout layout(content, qtFont);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    int lineHeight = QFontMetrics(qtFont).height();
    int height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(rect.Width(), 1));
        line.setPosition(QPointF(0, height));
        height += lineHeight;
    }
    layout.endLayout();
    if (draw) {
        QRect area(rect.left, rect.top, std::max(rect.Width(), 1), height);
        DrawThroughLayer(area, [&](QPainter& painter) {
            painter.setPen(ToQColor(color));
            layout.draw(&painter, QPointF(rect.left, rect.top));
        });
    }
    return height;
}
