#include "ui/CDocListComboBox.h"

#include "app/ScreenScale.h"
#include "imaging/Dib.h"
#include "ui/MenuPopup.h"
#include "ui/QtPaintContext.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Bold "Tahoma", 14 scaled pixels high.
constexpr int kFontHeight = 14;
constexpr int kBold = 700;
// The arrow: 7 pixels wide, 4 high; the gap before it and the block's
// distance from the button's right edge.
constexpr int kArrowWidth = 7;
constexpr int kArrowHeight = 4;
constexpr int kArrowGap = 4;
constexpr int kRightPadding = 2;

}

CDocListComboBox::CDocListComboBox(int controlId, std::string title, ColorRef background, QWidget* parent)
    : QWidget(parent)
    , m_controlId(controlId)
    , m_title(std::move(title))
    , m_background(background)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CDocListComboBox::SetText(std::string text)
{
    m_text = std::move(text);
    update();
}

LogicalFont CDocListComboBox::Font() const
{
    LogicalFont font;
    font.height = ScreenScale::Current().ScaleY(kFontHeight);
    font.weight = kBold;
    font.faceName = u"Tahoma";
    return font;
}

QRect CDocListComboBox::BlockRect() const
{
    QFontMetrics metrics(QtPaintContext::ToQFont(Font()));
    QString text = QString::fromStdString(GetShownText());
    int blockWidth = metrics.horizontalAdvance(text) + kArrowGap + kArrowWidth + 4;
    int right = width() - kRightPadding;
    int left = std::max(right - blockWidth, 0);
    return QRect(left, 0, right - left, height());
}

void CDocListComboBox::paintEvent(QPaintEvent*)
{
    auto bitmap = CreateDibForOverwrite(std::max(width(), 1), std::max(height(), 1), 16);
    if (bitmap.IsError())
        return;
    {
        QtPaintContext context(*bitmap);
        context.FillRect({ 0, 0, width(), height() }, m_background);
        QRect block = BlockRect();
        LogicalFont font = Font();
        std::string text = GetShownText();
        int textHeight = context.GetFontHeight(font);
        int textX = block.left() + 2;
        context.DrawTextLine(textX, (height() - textHeight) / 2, text, font, Colors::Black);
        // The arrow, vertically centred, after the text.
        int arrowX = textX + context.MeasureText(font, text) + kArrowGap;
        int arrowY = (height() - kArrowHeight) / 2;
        Point arrow[] = { { arrowX, arrowY }, { arrowX + kArrowWidth, arrowY }, { arrowX + kArrowWidth / 2, arrowY + kArrowHeight } };
        context.FillPolygon(arrow, Colors::Black);
        if (m_pressed)
            context.DrawRectangle({ block.left(), block.top(), block.right() + 1, block.bottom() + 1 }, 1, Colors::Black, std::nullopt);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, ImageOf(*bitmap));
}

void CDocListComboBox::mousePressEvent(QMouseEvent* event)
{
    if (!BlockRect().contains(event->position().toPoint()))
        return;
    m_pressed = true;
    update();
}

void CDocListComboBox::mouseReleaseEvent(QMouseEvent* event)
{
    bool wasPressed = m_pressed;
    m_pressed = false;
    update();
    if (wasPressed && BlockRect().contains(event->position().toPoint()))
        OpenMenu();
}

void CDocListComboBox::OpenMenu()
{
    if (!m_menuSource)
        return;
    QPoint at = mapToGlobal(QPoint(BlockRect().left(), height()));
    m_menuOpen = true;
    update();
    QMenu* menu = PopupMenu(m_menuSource(), this, at, [this](CommandId id) {
        if (m_commandSink)
            m_commandSink(id);
    });
    connect(menu, &QMenu::aboutToHide, this, [this] {
        m_menuOpen = false;
        update();
    });
}
