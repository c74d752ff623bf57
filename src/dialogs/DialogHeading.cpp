#include "dialogs/DialogHeading.h"

#include "dialogs/DialogFonts.h"
#include "dialogs/DialogGeometry.h"

#include <QPainter>

// The handheld's heading colour: the dark blue of its title texts.
static const QColor kHeadingColour(0, 0, 156);
static const QColor kRuleColour(0, 0, 0);

DialogHeading::DialogHeading(const QString& text, bool withRule, QWidget* parent)
    : QWidget(parent)
    , m_text(text)
    , m_withRule(withRule)
{
    setFont(HeadingFont());
    setAccessibleName(text);
}

void DialogHeading::SetText(const QString& text)
{
    m_text = text;
    setAccessibleName(text);
    update();
}

void DialogHeading::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(kHeadingColour);
    QRect textArea = rect();
    if (m_withRule)
        textArea.setBottom(textArea.bottom() - DialogGeometry::ScaleY(2));
    QString shown = painter.fontMetrics().elidedText(m_text, Qt::ElideRight, textArea.width());
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
    if (m_withRule) {
        painter.setPen(kRuleColour);
        int y = rect().bottom();
        painter.drawLine(0, y, rect().right(), y);
    }
}
