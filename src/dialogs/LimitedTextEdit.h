#pragma once

#include <QPlainTextEdit>

// A multi-line field with a length limit, held to it as LimitedLineEdit
// holds a one-line field. Line breaks read back as the text that was put
// in had them: a caption written on the handheld breaks its lines with CR
// LF, and showing it must not change it. The limit counts the text as it
// reads back.
class LimitedTextEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    LimitedTextEdit(size_t limit, QWidget* parent);

    size_t Limit() const { return m_limit; }
    void SetText(const std::u16string& text);
    // The text with the line breaks of the text last set (LF when it had
    // none).
    std::u16string Text() const;

private:
    void KeepWithinLimit();

    size_t m_limit;
    QString m_last;
    bool m_crLf { false };
    bool m_settingText { false };
};
