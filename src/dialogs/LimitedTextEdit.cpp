#include "dialogs/LimitedTextEdit.h"

#include "workflows/FieldLimits.h"

#include <QTextCursor>

LimitedTextEdit::LimitedTextEdit(size_t limit, QWidget* parent)
    : QPlainTextEdit(parent)
    , m_limit(limit)
{
    connect(this, &QPlainTextEdit::textChanged, this, &LimitedTextEdit::KeepWithinLimit);
}

void LimitedTextEdit::SetText(const std::u16string& text)
{
    QString shown = QString::fromStdU16String(text);
    m_crLf = shown.contains("\r\n");
    shown.replace("\r\n", "\n");
    m_settingText = true;
    setPlainText(shown);
    m_settingText = false;
    m_last = toPlainText();
}

std::u16string LimitedTextEdit::Text() const
{
    QString text = toPlainText();
    if (m_crLf)
        text.replace("\n", "\r\n");
    return text.toStdU16String();
}

void LimitedTextEdit::KeepWithinLimit()
{
    if (m_settingText)
        return;
    QString text = toPlainText();
    LimitedText limited = LimitTypedText(m_last.toStdU16String(), text.toStdU16String(), m_limit);
    m_last = QString::fromStdU16String(limited.text);
    if (limited.cut) {
        m_settingText = true;
        setPlainText(m_last);
        QTextCursor cursor = textCursor();
        cursor.setPosition(static_cast<int>(limited.cursor));
        setTextCursor(cursor);
        m_settingText = false;
    }
}
