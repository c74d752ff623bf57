#pragma once

#include <QWidget>

// A dialog's heading: a line of text the dialog paints in the heading font,
// cut with "..." when it does not fit, optionally over a rule that
// separates it from the controls below as on the handheld.
class DialogHeading : public QWidget {
    Q_OBJECT

public:
    DialogHeading(const QString& text, bool withRule, QWidget* parent);

    const QString& Text() const { return m_text; }
    void SetText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    bool m_withRule;
};
