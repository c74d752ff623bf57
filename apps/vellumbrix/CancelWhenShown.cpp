#include "CancelWhenShown.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

// How often the event loop of the dialog being opened is asked whether the
// dialog is up.
static constexpr int kPollMilliseconds = 10;

static void Poll(std::weak_ptr<bool> waiting, CancelWhenShown::ShownHandler shown)
{
    auto stillWaiting = waiting.lock();
    if (!stillWaiting || !*stillWaiting)
        return;
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) {
        QTimer::singleShot(kPollMilliseconds, [waiting, shown] { Poll(waiting, shown); });
        return;
    }
    *stillWaiting = false;
    if (shown)
        shown(*dialog);
    dialog->reject();
}

CancelWhenShown::CancelWhenShown(ShownHandler shown)
    : m_waiting(std::make_shared<bool>(true))
{
    std::weak_ptr<bool> waiting = m_waiting;
    QTimer::singleShot(0, [waiting, shown = std::move(shown)] { Poll(waiting, shown); });
}

CancelWhenShown::~CancelWhenShown()
{
    *m_waiting = false;
}
