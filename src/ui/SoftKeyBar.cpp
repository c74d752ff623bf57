#include "ui/SoftKeyBar.h"

#include "app/ScreenScale.h"
#include "ui/QtPaintContext.h"
#include "ui/SystemFont.h"
#include "ui/ViewStyle.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

// The input panel button's width at 96 dpi.
static constexpr int kPanelButtonWidth = 32;

SoftKeyBar::SoftKeyBar(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SoftKeyBar::SetKeys(const QString& left, bool leftEnabled, const QString& right)
{
    m_left = left;
    m_leftEnabled = leftEnabled;
    m_right = right;
    update();
}

QRect SoftKeyBar::InputPanelButtonRect() const
{
    int width = ScreenScale::Current().ScaleX(kPanelButtonWidth);
    return QRect((this->width() - width) / 2, 0, width, height());
}

QRect SoftKeyBar::LeftKeyRect() const
{
    return QRect(0, 0, InputPanelButtonRect().left(), height());
}

QRect SoftKeyBar::RightKeyRect() const
{
    int left = InputPanelButtonRect().right() + 1;
    return QRect(left, 0, width() - left, height());
}

void SoftKeyBar::paintEvent(QPaintEvent*)
{
    const ScreenScale& scale = ScreenScale::Current();
    QPainter painter(this);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, QColor(0x5C, 0x64, 0x70));
    background.setColorAt(1, QColor(0x20, 0x24, 0x2C));
    painter.fillRect(rect(), background);
    painter.setPen(QColor(0x80, 0x88, 0x94));
    painter.drawLine(LeftKeyRect().right(), 3, LeftKeyRect().right(), height() - 4);
    painter.drawLine(RightKeyRect().left(), 3, RightKeyRect().left(), height() - 4);

    painter.setFont(QtPaintContext::ToQFont(BoldFontOf(SystemFont(scale))));
    painter.setPen(m_leftEnabled ? QColor(Qt::white) : QColor(0x90, 0x90, 0x90));
    painter.drawText(LeftKeyRect(), Qt::AlignCenter, m_left);
    painter.setPen(Qt::white);
    painter.drawText(RightKeyRect(), Qt::AlignCenter, m_right);

    // The input panel button: a small keyboard.
    QRect button = InputPanelButtonRect();
    QRect keyboard(button.center().x() - scale.ScaleX(9), button.center().y() - scale.ScaleY(5), scale.ScaleX(18), scale.ScaleY(10));
    painter.setPen(Qt::white);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(keyboard);
    for (int row = 0; row < 2; ++row) {
        for (int key = 0; key < 4; ++key) {
            int x = keyboard.left() + scale.ScaleX(2) + key * scale.ScaleX(4);
            int y = keyboard.top() + scale.ScaleY(2) + row * scale.ScaleY(4);
            painter.fillRect(QRect(x, y, std::max(scale.ScaleX(2), 1), std::max(scale.ScaleY(2), 1)), Qt::white);
        }
    }
}

void SoftKeyBar::mouseReleaseEvent(QMouseEvent* event)
{
    QPoint point = event->position().toPoint();
    if (LeftKeyRect().contains(point)) {
        if (m_leftEnabled)
            emit leftClicked();
    } else if (RightKeyRect().contains(point)) {
        emit rightClicked(mapToGlobal(QPoint(width(), 0)));
    } else if (InputPanelButtonRect().contains(point)) {
        emit inputPanelClicked();
    }
}
