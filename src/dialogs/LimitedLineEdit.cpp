#include "dialogs/LimitedLineEdit.h"

#include "workflows/FieldLimits.h"

LimitedLineEdit::LimitedLineEdit(size_t limit, QWidget* parent)
    : QLineEdit(parent)
    , m_limit(limit)
{
    connect(this, &QLineEdit::textChanged, this, &LimitedLineEdit::KeepWithinLimit);
}

void LimitedLineEdit::SetText(const QString& text)
{
    m_settingText = true;
    setText(text);
    m_settingText = false;
    m_last = text;
}

void LimitedLineEdit::KeepWithinLimit(const QString& text)
{
    if (m_settingText)
        return;
    LimitedText limited = LimitTypedText(m_last.toStdU16String(), text.toStdU16String(), m_limit);
    m_last = QString::fromStdU16String(limited.text);
    if (limited.cut) {
        m_settingText = true;
        setText(m_last);
        setCursorPosition(static_cast<int>(limited.cursor));
        m_settingText = false;
    }
}
