#pragma once

#include <QWidget>
#include <vector>

// The handheld's on-screen keyboard, shown and hidden from the soft-key bar
// or with F2. A tap on a key types it into the widget that has the focus.
class InputPanel : public QWidget {
    Q_OBJECT

public:
    // The panel's height at 96 dpi.
    static constexpr int kDesignHeight = 80;

    explicit InputPanel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Key {
        QRect rect;
        QString label;
        int code;
        QString text;
    };

    void LayOutKeys();
    void resizeEvent(QResizeEvent* event) override;

    std::vector<Key> m_keys;
};
