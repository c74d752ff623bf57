#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <deque>

class CChildView;

// Where camera notices reach the main view. A notice that comes while the
// view is busy (a dialog, a menu or a progress window is up: a sync may be
// merging into the very blog) waits until the view is free again, so that
// a photo is never added in the middle of another operation; notices are
// handed over in the order they came.
class CameraNoticeInbox : public QObject {
    Q_OBJECT

public:
    // How often a waiting notice looks whether the view is free.
    static constexpr int kRetryMilliseconds = 250;

    explicit CameraNoticeInbox(CChildView& view, QObject* parent = nullptr);

    // A message of the single-instance channel; anything but a camera
    // notice is left alone.
    void Receive(std::uint32_t dataType, const QByteArray& block);
    size_t GetWaitingCount() const { return m_waiting.size(); }

signals:
    // A notice was handed to the view; `added` tells whether it carried a
    // photo for an open blog.
    void delivered(bool added);

private:
    bool IsViewBusy() const;
    void DeliverWaiting();

    CChildView& m_view;
    std::deque<QByteArray> m_waiting;
    QTimer m_retry;
};
