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

// The text as it reads back: with CR LF line breaks when the text put in
// had them, each counting two characters against the limit.
static QString AsReadBack(QString text, bool crLf)
{
    return crLf ? text.replace("\n", "\r\n") : text;
}

// Back from the read-back form; a CR whose LF was cut off goes too.
static QString AsShown(QString text)
{
    return text.replace("\r\n", "\n").remove('\r');
}

void LimitedTextEdit::KeepWithinLimit()
{
    if (m_settingText)
        return;
    QString text = toPlainText();
    LimitedText limited = LimitTypedText(AsReadBack(m_last, m_crLf).toStdU16String(), AsReadBack(text, m_crLf).toStdU16String(), m_limit);
    QString kept = QString::fromStdU16String(limited.text);
    if (!limited.cut) {
        m_last = text;
        return;
    }
    m_last = AsShown(kept);
    m_settingText = true;
    setPlainText(m_last);
    QTextCursor cursor = textCursor();
    cursor.setPosition(static_cast<int>(AsShown(kept.left(static_cast<qsizetype>(limited.cursor))).size()));
    setTextCursor(cursor);
    m_settingText = false;
}
