#pragma once

#include <QWidget>

// The handheld's soft-key bar at the bottom of the screen: the left key, the
// input panel button in the middle and the right key that opens the mode's
// menu.
class SoftKeyBar : public QWidget {
    Q_OBJECT

public:
    explicit SoftKeyBar(QWidget* parent);

    void SetKeys(const QString& left, bool leftEnabled, const QString& right);
    const QString& GetLeftText() const { return m_left; }
    bool IsLeftEnabled() const { return m_leftEnabled; }
    const QString& GetRightText() const { return m_right; }

    QRect LeftKeyRect() const;
    QRect RightKeyRect() const;
    QRect InputPanelButtonRect() const;

signals:
    void leftClicked();
    // The right key, with the global point at which its menu opens (its
    // bottom edge lies on the bar's top right).
    void rightClicked(QPoint menuBottomRight);
    void inputPanelClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_left;
    bool m_leftEnabled { true };
    QString m_right;
};
