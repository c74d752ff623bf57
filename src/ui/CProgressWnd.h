#pragma once

#include "platform/ProgressWindow.h"
#include "ui/BusyAnimation.h"
#include "ui/ProgressPainter.h"

#include <QPointer>
#include <QWidget>
#include <string>
#include <vector>

class QPushButton;

// The small window in which a long operation runs: the title and status
// lines, the busy icon and Cancel. It lies over the middle of its parent's
// window and disables the rest of that window while it lives (which still
// repaints); the operation keeps it alive by calling Step or IsCancelled,
// which handle the pending events.
class CProgressWnd
    : public QWidget
    , public ProgressWindow {
    Q_OBJECT

public:
    // `lines` counts the title; network operations open the window hidden
    // and show it once connected.
    CProgressWnd(QWidget* parent, int lines, bool showNow, BusyAnimation::Clock clock = {});
    ~CProgressWnd() override;

    void Show() override;
    // Repaints only when the text differs.
    void SetLine(int index, std::string_view text) override;
    void ClearStatus() override;
    void Step() override;
    bool IsCancelled() override;

    const std::vector<std::string>& GetLines() const { return m_lines; }
    int GetFrame() const { return m_animation.GetFrame(); }
    QPushButton* GetCancelButton() const { return m_cancelButton; }
    // How often the window asked to be repainted (for its repaint rule).
    int GetRepaintRequests() const { return m_repaintRequests; }
    QRect IconRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void DisableRestOfWindow();
    void RequestRepaint(const QRect& area);

    std::vector<std::string> m_lines;
    ProgressStyle m_style;
    BusyAnimation m_animation;
    QPushButton* m_cancelButton { nullptr };
    std::vector<QPointer<QWidget>> m_disabled;
    bool m_cancelled { false };
    int m_repaintRequests { 0 };
};
