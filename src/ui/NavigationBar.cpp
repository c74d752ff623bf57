#include "ui/NavigationBar.h"

#include "app/ScreenScale.h"
#include "ui/QtPaintContext.h"
#include "ui/SystemFont.h"
#include "ui/ViewStyle.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kPadding = 4;
constexpr int kOkWidth = 26;

}

NavigationBar::NavigationBar(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void NavigationBar::SetTitle(const QString& title)
{
    if (title == m_title)
        return;
    m_title = title;
    update();
}

QRect NavigationBar::OkButtonRect() const
{
    const ScreenScale& scale = ScreenScale::Current();
    int width = scale.ScaleX(kOkWidth);
    int inset = scale.ScaleY(3);
    return QRect(this->width() - width - scale.ScaleX(kPadding), inset, width, height() - 2 * inset);
}

void NavigationBar::paintEvent(QPaintEvent*)
{
    const ScreenScale& scale = ScreenScale::Current();
    QPainter painter(this);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, QColor(0x3A, 0x6E, 0xC8));
    background.setColorAt(1, QColor(0x0C, 0x2C, 0x78));
    painter.fillRect(rect(), background);

    LogicalFont font = BoldFontOf(SystemFont(scale));
    painter.setFont(QtPaintContext::ToQFont(font));
    painter.setPen(Qt::white);
    QRect ok = OkButtonRect();
    QRect titleArea(scale.ScaleX(kPadding), 0, ok.left() - 2 * scale.ScaleX(kPadding), height());
    QString title = painter.fontMetrics().elidedText(m_title, Qt::ElideRight, titleArea.width());
    painter.drawText(titleArea, Qt::AlignVCenter | Qt::AlignLeft, title);

    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(QColor(0x1C, 0x4C, 0xA8));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawEllipse(ok.adjusted(0, 0, -1, -1));
    painter.drawText(ok, Qt::AlignCenter, QStringLiteral("ok"));
}

void NavigationBar::mouseReleaseEvent(QMouseEvent* event)
{
    if (OkButtonRect().contains(event->position().toPoint()))
        emit okClicked();
}
