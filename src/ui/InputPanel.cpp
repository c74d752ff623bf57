#include "ui/InputPanel.h"

#include "app/ScreenScale.h"
#include "ui/QtPaintContext.h"
#include "ui/SystemFont.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace {

const char* const kRows[] = { "1234567890", "qwertyuiop", "asdfghjkl", "zxcvbnm,." };
constexpr int kRowCount = 5; // the four rows above and the space row

}

InputPanel::InputPanel(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void InputPanel::resizeEvent(QResizeEvent*)
{
    LayOutKeys();
}

void InputPanel::LayOutKeys()
{
    m_keys.clear();
    int rowHeight = height() / kRowCount;
    int keyWidth = width() / 11;
    for (int row = 0; row < 4; ++row) {
        QString keys = QString::fromLatin1(kRows[row]);
        int left = (width() - keys.size() * keyWidth) / 2;
        for (int i = 0; i < keys.size(); ++i) {
            QChar c = keys[i];
            int code = c.isLetter() ? Qt::Key_A + (c.toLatin1() - 'a') : c.isDigit() ? Qt::Key_0 + (c.toLatin1() - '0')
                : c == ','                                                           ? Qt::Key_Comma
                                                                                     : Qt::Key_Period;
            m_keys.push_back({ QRect(left + i * keyWidth, row * rowHeight, keyWidth, rowHeight), QString(c), code, QString(c) });
        }
    }
    int y = 4 * rowHeight;
    m_keys.push_back({ QRect(0, y, 3 * keyWidth, rowHeight), QStringLiteral("\u2190"), Qt::Key_Backspace, QString() });
    m_keys.push_back({ QRect(3 * keyWidth, y, width() - 6 * keyWidth, rowHeight), QString(), Qt::Key_Space, QStringLiteral(" ") });
    m_keys.push_back({ QRect(width() - 3 * keyWidth, y, 3 * keyWidth, rowHeight), QStringLiteral("\u21B5"), Qt::Key_Return, QStringLiteral("\r") });
}

void InputPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xC8, 0xCC, 0xD4));
    painter.setFont(QtPaintContext::ToQFont(SystemFont(ScreenScale::Current())));
    for (const Key& key : m_keys) {
        QRect face = key.rect.adjusted(1, 1, -1, -1);
        painter.fillRect(face, Qt::white);
        painter.setPen(QColor(0x70, 0x74, 0x80));
        painter.drawRect(face.adjusted(0, 0, -1, -1));
        painter.setPen(Qt::black);
        painter.drawText(face, Qt::AlignCenter, key.label);
    }
}

void InputPanel::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget* target = QApplication::focusWidget();
    if (!target)
        return;
    for (const Key& key : m_keys) {
        if (!key.rect.contains(event->position().toPoint()))
            continue;
        QKeyEvent press(QEvent::KeyPress, key.code, Qt::NoModifier, key.text);
        QKeyEvent release(QEvent::KeyRelease, key.code, Qt::NoModifier, key.text);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
        return;
    }
}
