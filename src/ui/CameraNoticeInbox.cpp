#include "ui/CameraNoticeInbox.h"

#include "ui/CChildView.h"
#include "workflows/CameraNotice.h"

#include <QApplication>

CameraNoticeInbox::CameraNoticeInbox(CChildView& view, QObject* parent)
    : QObject(parent)
    , m_view(view)
{
    m_retry.setInterval(kRetryMilliseconds);
    connect(&m_retry, &QTimer::timeout, this, &CameraNoticeInbox::DeliverWaiting);
}

void CameraNoticeInbox::Receive(std::uint32_t dataType, const QByteArray& block)
{
    if (dataType != CameraNotice::kDataType)
        return;
    m_waiting.push_back(block);
    DeliverWaiting();
}

bool CameraNoticeInbox::IsViewBusy() const
{
    // A progress window disables the view; dialogs and menus run event
    // loops of their own over it.
    return !m_view.isEnabled() || QApplication::activeModalWidget() || QApplication::activePopupWidget();
}

void CameraNoticeInbox::DeliverWaiting()
{
    while (!m_waiting.empty()) {
        if (IsViewBusy()) {
            m_retry.start();
            return;
        }
        QByteArray block = std::move(m_waiting.front());
        m_waiting.pop_front();
        auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(block.constData()), static_cast<size_t>(block.size()));
        emit delivered(CameraNotice::Deliver(m_view.GetController(), CameraNotice::kDataType, bytes));
    }
    m_retry.stop();
}
