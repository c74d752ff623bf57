// Draws the desktop program's bitmaps (src/ui/bitmaps/*.png): the marker
// and page icons, the busy frames, the placeholder picture, the badge, the
// tick and the toolbar images. They are drawn once and checked in; run this
// again only to change them:
//
//   cmake --build build --target vellumbrix-draw-bitmaps
//   build/apps/vellumbrix/vellumbrix-draw-bitmaps src/ui/bitmaps
//
// Icons are drawn on cyan, the transparent colour, without antialiasing, so
// that no pixel mixes with the cyan. Each is designed on a 16-pixel grid
// and scaled to its size.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QColor kCyan(0, 255, 255);
const QColor kInk(0x20, 0x20, 0x30);
const QColor kBlue(0x1C, 0x5C, 0xC8);
const QColor kLightBlue(0x9C, 0xC4, 0xF4);
const QColor kGreen(0x2C, 0x9C, 0x3C);
const QColor kOrange(0xF4, 0x9C, 0x1C);
const QColor kYellow(0xFC, 0xDC, 0x3C);
const QColor kRed(0xD0, 0x30, 0x28);
const QColor kGrey(0x80, 0x88, 0x90);
const QColor kLightGrey(0xD8, 0xDC, 0xE0);
const QColor kWhite(255, 255, 255);

using Glyph = std::function<void(QPainter&)>;

// One icon of `size` pixels from a drawing on the 16-unit grid.
void DrawGlyph(QPainter& painter, int x, int size, const Glyph& glyph)
{
    painter.save();
    painter.translate(x, 0);
    painter.scale(size / 16.0, size / 16.0);
    painter.setRenderHint(QPainter::Antialiasing, false);
    glyph(painter);
    painter.restore();
}

QImage Strip(int size, const std::vector<Glyph>& glyphs)
{
    QImage image(size * static_cast<int>(glyphs.size()), size, QImage::Format_RGB32);
    image.fill(kCyan);
    QPainter painter(&image);
    for (size_t i = 0; i < glyphs.size(); ++i)
        DrawGlyph(painter, static_cast<int>(i) * size, size, glyphs[i]);
    return image;
}

void Fill(QPainter& painter, const QColor& fill, const QColor& outline)
{
    painter.setBrush(fill);
    painter.setPen(QPen(outline, 0));
}

// A star of eight points: a new entry.
void NewStar(QPainter& painter)
{
    QPolygonF star;
    for (int i = 0; i < 16; ++i) {
        double radius = i % 2 ? 3.2 : 7.2;
        double angle = i * 3.14159265 / 8;
        star << QPointF(8 + radius * std::sin(angle), 8 - radius * std::cos(angle));
    }
    Fill(painter, kYellow, kOrange);
    painter.drawPolygon(star);
    Fill(painter, kRed, kRed);
    painter.drawRect(QRectF(7, 5, 2, 4));
    painter.drawRect(QRectF(7, 10, 2, 1.6));
}

// A speech bubble: new comments.
void Bubble(QPainter& painter)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(1, 2, 14, 9), 2, 2);
    QPolygonF tail;
    tail << QPointF(4, 10) << QPointF(4, 14.5) << QPointF(8, 10);
    path.addPolygon(tail);
    path = path.simplified();
    Fill(painter, kWhite, kBlue);
    painter.drawPath(path);
    Fill(painter, kBlue, kBlue);
    for (int i = 0; i < 3; ++i)
        painter.drawRect(QRectF(4 + i * 3, 6, 1.5, 1.5));
}

void Arrow(QPainter& painter, bool down)
{
    QPolygonF arrow;
    if (down)
        arrow << QPointF(2, 5) << QPointF(14, 5) << QPointF(8, 12);
    else
        arrow << QPointF(2, 11) << QPointF(14, 11) << QPointF(8, 4);
    Fill(painter, kBlue, kInk);
    painter.drawPolygon(arrow);
}

void SideArrow(QPainter& painter, bool right)
{
    QPolygonF arrow;
    if (right)
        arrow << QPointF(3, 6) << QPointF(8, 6) << QPointF(8, 2.5) << QPointF(14, 8) << QPointF(8, 13.5) << QPointF(8, 10) << QPointF(3, 10);
    else
        arrow << QPointF(13, 6) << QPointF(8, 6) << QPointF(8, 2.5) << QPointF(2, 8) << QPointF(8, 13.5) << QPointF(8, 10) << QPointF(13, 10);
    Fill(painter, kGreen, kInk);
    painter.drawPolygon(arrow);
}

// One frame of the busy icon: a ring of four quarters, one of them lit.
Glyph BusyFrame(int lit)
{
    return [lit](QPainter& painter) {
        for (int quarter = 0; quarter < 4; ++quarter) {
            bool on = quarter == lit;
            Fill(painter, on ? kBlue : kLightGrey, on ? kInk : kGrey);
            painter.drawPie(QRectF(1.5, 1.5, 13, 13), (90 - quarter * 90) * 16, -80 * 16);
        }
        Fill(painter, kCyan, kCyan);
        painter.drawEllipse(QRectF(5.5, 5.5, 5, 5));
    };
}

void Pencil(QPainter& painter)
{
    QPolygonF body;
    body << QPointF(3, 11) << QPointF(11, 3) << QPointF(13, 5) << QPointF(5, 13);
    Fill(painter, kOrange, kInk);
    painter.drawPolygon(body);
    QPolygonF tip;
    tip << QPointF(3, 11) << QPointF(5, 13) << QPointF(1.5, 14.5);
    Fill(painter, kInk, kInk);
    painter.drawPolygon(tip);
}

void Page(QPainter& painter)
{
    Fill(painter, kWhite, kInk);
    painter.drawRect(QRectF(2, 1, 10, 13));
    painter.setPen(QPen(kGrey, 0));
    for (int y = 4; y <= 10; y += 3)
        painter.drawLine(QPointF(4, y), QPointF(10, y));
}

void Plus(QPainter& painter, double x, double y)
{
    Fill(painter, kGreen, kInk);
    painter.drawRect(QRectF(x + 2, y, 2.5, 6.5));
    painter.drawRect(QRectF(x, y + 2, 6.5, 2.5));
}

void SyncArrows(QPainter& painter)
{
    Fill(painter, Qt::NoBrush, kBlue);
    painter.setPen(QPen(kBlue, 2));
    painter.drawArc(QRectF(2.5, 2.5, 11, 11), 30 * 16, 150 * 16);
    painter.drawArc(QRectF(2.5, 2.5, 11, 11), 210 * 16, 150 * 16);
    Fill(painter, kBlue, kBlue);
    QPolygonF head1;
    head1 << QPointF(11, 1) << QPointF(15, 6) << QPointF(10, 6.5);
    painter.drawPolygon(head1);
    QPolygonF head2;
    head2 << QPointF(5, 15) << QPointF(1, 10) << QPointF(6, 9.5);
    painter.drawPolygon(head2);
}

void Picture(QPainter& painter, const QRectF& frame)
{
    Fill(painter, kLightBlue, kInk);
    painter.drawRect(frame);
    Fill(painter, kYellow, kOrange);
    double unit = frame.width() / 12;
    painter.drawEllipse(QRectF(frame.right() - 4 * unit, frame.top() + 1.5 * unit, 2.5 * unit, 2.5 * unit));
    QPolygonF hills;
    hills << QPointF(frame.left() + 0.5, frame.bottom()) << QPointF(frame.left() + 4 * unit, frame.top() + 5 * unit)
          << QPointF(frame.left() + 7 * unit, frame.top() + 8 * unit) << QPointF(frame.left() + 9 * unit, frame.top() + 6.5 * unit)
          << QPointF(frame.right(), frame.bottom());
    Fill(painter, kGreen, kGreen);
    painter.drawPolygon(hills);
}

void House(QPainter& painter)
{
    QPolygonF roof;
    roof << QPointF(1, 8) << QPointF(8, 1.5) << QPointF(15, 8);
    Fill(painter, kRed, kInk);
    painter.drawPolygon(roof);
    Fill(painter, kWhite, kInk);
    painter.drawRect(QRectF(3.5, 8, 9, 6.5));
    Fill(painter, kBlue, kInk);
    painter.drawRect(QRectF(7, 10, 2.5, 4.5));
}

void CameraBody(QPainter& painter)
{
    Fill(painter, kGrey, kInk);
    painter.drawRect(QRectF(5, 2.5, 6, 2.5));
    Fill(painter, kLightGrey, kInk);
    painter.drawRoundedRect(QRectF(1, 4.5, 14, 9.5), 1.5, 1.5);
    Fill(painter, kBlue, kInk);
    painter.drawEllipse(QRectF(5, 6, 6, 6));
    Fill(painter, kLightBlue, kLightBlue);
    painter.drawEllipse(QRectF(6.5, 7.5, 2, 2));
}

void Person(QPainter& painter, double x, const QColor& color)
{
    Fill(painter, color, kInk);
    painter.drawEllipse(QRectF(x + 2, 2, 5, 5));
    painter.drawChord(QRectF(x, 8, 9, 12), 0, 180 * 16);
}

void Save(const QImage& image, const QString& folder, const QString& name)
{
    QString path = QDir(folder).filePath(name);
    if (!image.convertToFormat(QImage::Format_RGB888).save(path, "PNG"))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

}

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    QString folder = QString::fromLocal8Bit(argv[1]);

    // 159: the main view's markers.
    Save(Strip(16, { NewStar, Bubble }), folder, "159.png");
    // 160 and 161: the entry page's icons.
    std::vector<Glyph> pageIcons { Bubble, [](QPainter& p) { Arrow(p, true); }, [](QPainter& p) { Arrow(p, false); }, NewStar };
    Save(Strip(16, pageIcons), folder, "160.png");
    Save(Strip(32, pageIcons), folder, "161.png");
    // 158 and 162: the busy frames.
    std::vector<Glyph> busy { BusyFrame(0), BusyFrame(1), BusyFrame(2), BusyFrame(3) };
    Save(Strip(16, busy), folder, "158.png");
    Save(Strip(32, busy), folder, "162.png");
    // 152: the group-blog badge; 157: the picker's tick.
    Save(Strip(20, { [](QPainter& p) {
        Person(p, 6, kLightBlue);
        Person(p, 1, kBlue);
    } }),
        folder, "152.png");
    Save(Strip(20, { [](QPainter& p) {
        Fill(p, kWhite, kInk);
        p.drawRect(QRectF(0.5, 0.5, 15, 15));
        p.setPen(QPen(kGreen, 2.5));
        p.drawPolyline(QPolygonF() << QPointF(3, 8) << QPointF(6.5, 12) << QPointF(13, 3.5));
    } }),
        folder, "157.png");

    // 138: the picture of a blog without entries (drawn by plain copy, so on
    // white and smooth).
    QImage placeholder(40, 40, QImage::Format_RGB32);
    placeholder.fill(kWhite);
    {
        QPainter painter(&placeholder);
        painter.setRenderHint(QPainter::Antialiasing, true);
        Picture(painter, QRectF(4.5, 7.5, 31, 25));
    }
    Save(placeholder, folder, "138.png");

    // The toolbar images, in the order of the toolbars' buttons.
    std::vector<Glyph> home {
        [](QPainter& p) { Page(p); Plus(p, 9, 9); },
        [](QPainter& p) { Person(p, 1, kBlue); Plus(p, 9, 1); },
        [](QPainter& p) { Page(p); Pencil(p); },
        SyncArrows,
    };
    std::vector<Glyph> blog {
        House,
        CameraBody,
        [](QPainter& p) { Picture(p, QRectF(0.5, 2.5, 12, 10)); Plus(p, 9, 9); },
        SyncArrows,
    };
    std::vector<Glyph> entry { Pencil, [](QPainter& p) { SideArrow(p, false); }, [](QPainter& p) { SideArrow(p, true); } };
    Save(Strip(16, home), folder, "toolbar-home.png");
    Save(Strip(34, home), folder, "toolbar-home-large.png");
    Save(Strip(16, blog), folder, "toolbar-blog.png");
    Save(Strip(32, blog), folder, "toolbar-blog-large.png");
    Save(Strip(16, entry), folder, "148.png");
    Save(Strip(32, entry), folder, "150.png");
    return 0;
}
