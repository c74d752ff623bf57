#include "ScreenSteps.h"

#include "dialogs/DialogScreenshot.h"
#include "ui/CChildView.h"
#include "ui/CMainFrame.h"
#include "ui/CProgressWnd.h"
#include "ui/DeviceScreen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <charconv>

namespace {

// How long a sync may keep its progress window open before wait-sync gives
// up.
constexpr int kSyncTimeoutMilliseconds = 120000;

std::optional<long> ParseNumber(std::string_view text)
{
    long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint local, Qt::MouseButton button)
{
    QPoint global = widget->mapToGlobal(local);
    Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(local), QPointF(global), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

}

void ScreenSteps::Settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

std::optional<std::string> ScreenSteps::Run(const std::string& step)
{
    size_t space = step.find(' ');
    std::string verb = step.substr(0, space);
    std::string argument = space == std::string::npos ? std::string() : step.substr(space + 1);
    m_dialogShot.reset();
    std::optional<std::string> error;
    if (verb == "open-blog")
        error = OpenItem(argument, false);
    else if (verb == "open-entry")
        error = OpenItem(argument, true);
    else if (verb == "key")
        error = Key(argument);
    else if (verb == "tap")
        error = Tap(argument, false);
    else if (verb == "hold")
        error = Tap(argument, true);
    else if (verb == "command")
        error = Command(argument);
    else if (verb == "wait-sync")
        WaitForSync();
    else if (verb == "wait")
        error = Wait(argument);
    else
        error = "unknown step '" + step + "'";
    Settle();
    return error;
}

std::optional<std::string> ScreenSteps::OpenItem(const std::string& index, bool entry)
{
    auto number = ParseNumber(index);
    CChildView& view = m_screen.GetFrame().GetView();
    MainViewController& controller = view.GetController();
    if (!number || *number < 0 || static_cast<size_t>(*number) >= controller.GetItemCount())
        return "no item '" + index + "' to open";
    if (entry != (controller.GetMode() != ViewMode::Home))
        return entry ? "open-entry needs an open blog" : "open-blog needs the home list";
    view.Select(*number);
    controller.ItemActivated(*number);
    return std::nullopt;
}

std::optional<std::string> ScreenSteps::Key(const std::string& name)
{
    QKeySequence sequence = QKeySequence::fromString(QString::fromStdString(name));
    if (sequence.isEmpty() || sequence[0].key() == Qt::Key_unknown)
        return "unknown key '" + name + "'";
    QKeyCombination combination = sequence[0];
    QWidget* target = QApplication::activePopupWidget();
    if (!target)
        target = QApplication::focusWidget();
    if (!target || target->window() != &m_screen)
        target = &m_screen.GetFrame().GetView();
    QString text = name.size() == 1 ? QString::fromStdString(name) : QString();
    QKeyEvent press(QEvent::KeyPress, combination.key(), combination.keyboardModifiers(), text);
    QKeyEvent release(QEvent::KeyRelease, combination.key(), combination.keyboardModifiers(), text);
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
    return std::nullopt;
}

std::optional<std::string> ScreenSteps::Tap(const std::string& where, bool hold)
{
    size_t comma = where.find(',');
    auto x = ParseNumber(std::string_view(where).substr(0, comma));
    auto y = comma == std::string::npos ? std::nullopt : ParseNumber(std::string_view(where).substr(comma + 1));
    if (!x || !y)
        return "a tap wants X,Y, not '" + where + "'";
    QPoint point(static_cast<int>(*x), static_cast<int>(*y));
    QPoint global = m_screen.mapToGlobal(point);

    // An open menu takes the tap where it lies over the point.
    QWidget* target = nullptr;
    if (QWidget* popup = QApplication::activePopupWidget(); popup && popup->geometry().contains(global))
        target = popup;
    if (!target) {
        if (!m_screen.rect().contains(point))
            return "the point " + where + " is off the screen";
        target = m_screen.childAt(point);
        if (!target)
            target = &m_screen;
    }
    if (!target->isEnabled())
        return std::nullopt; // a disabled window ignores the stylus
    QPoint local = target->mapFromGlobal(global);
    SendMouse(target, QEvent::MouseButtonPress, local, Qt::LeftButton);
    if (hold) {
        // The stylus stays down until the context menu comes; it is lifted
        // over the menu, which then stays open.
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < CGridCtrl::kTapAndHoldMilliseconds + 100)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return std::nullopt;
    }
    SendMouse(target, QEvent::MouseButtonRelease, local, Qt::LeftButton);
    return std::nullopt;
}

std::optional<std::string> ScreenSteps::Command(const std::string& id)
{
    auto number = ParseNumber(id);
    if (!number || *number <= 0)
        return "a command wants its number, not '" + id + "'";
    auto command = static_cast<CommandId>(*number);
    MainViewController& controller = m_screen.GetFrame().GetView().GetController();
    if (MainViewController::IsViewCommand(command) && !controller.IsCommandEnabled(command))
        return "command " + id + " is disabled";
    m_screen.GetFrame().OnCommand(command);
    return std::nullopt;
}

std::optional<std::string> ScreenSteps::Wait(const std::string& milliseconds)
{
    auto number = ParseNumber(milliseconds);
    if (!number || *number < 0)
        return "wait wants milliseconds, not '" + milliseconds + "'";
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < *number)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return std::nullopt;
}

void ScreenSteps::WaitForSync()
{
    // A sync runs inside its command; what may still be open is a progress
    // window of a command that is running.
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < kSyncTimeoutMilliseconds) {
        Settle();
        bool open = false;
        for (CProgressWnd* window : m_screen.findChildren<CProgressWnd*>())
            open |= window->isVisible();
        if (!open)
            return;
    }
}

void ScreenSteps::DialogShown(QWidget& dialog)
{
    // The handheld shows a dialog over the whole area above the menu bar,
    // its title in the navigation bar.
    QImage image = ScreenImage();
    QPainter painter(&image);
    painter.drawImage(0, 0, DialogScreenshot(dialog));
    painter.end();
    m_dialogShot = image;
}

QImage ScreenSteps::Capture()
{
    if (m_dialogShot)
        return *m_dialogShot;
    Settle();
    return ScreenImage();
}

QImage ScreenSteps::ScreenImage()
{
    QImage image = m_screen.grab().toImage().convertToFormat(QImage::Format_RGB32);
    // On a high-density desktop the grab has the desktop's pixels; the
    // screenshot keeps the handheld's.
    if (image.size() != m_screen.size())
        image = image.scaled(m_screen.size());
    QPainter painter(&image);
    QPoint origin = m_screen.mapToGlobal(QPoint(0, 0));
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* menu = qobject_cast<QMenu*>(widget);
        if (menu && menu->isVisible())
            painter.drawPixmap(menu->pos() - origin, menu->grab());
    }
    return image;
}
