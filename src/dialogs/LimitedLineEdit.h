#pragma once

#include <QLineEdit>

// A one-line field with a length limit, as the handheld's edit controls
// have: typing and pasting stop at the limit (a paste keeps what fits).
// Text the program puts in with SetText may be longer, a title that came
// from the service say: it is shown whole, can be shortened, never grows,
// and the workflow's check says so when it is read back.
class LimitedLineEdit : public QLineEdit {
    Q_OBJECT

public:
    LimitedLineEdit(size_t limit, QWidget* parent);

    size_t Limit() const { return m_limit; }
    // Use this, not setText, so that a longer text is not cut.
    void SetText(const QString& text);
    std::u16string Text() const { return text().toStdU16String(); }

private:
    void KeepWithinLimit(const QString& text);

    size_t m_limit;
    QString m_last;
    bool m_settingText { false };
};
