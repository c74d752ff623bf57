#pragma once

#include <QImage>
#include <optional>
#include <string>

class DeviceScreen;
class QWidget;

// Runs the steps of --do on the program's screen as a person would make
// them, and takes the screenshot of --screenshot.
class ScreenSteps {
public:
    explicit ScreenSteps(DeviceScreen& screen)
        : m_screen(screen)
    {
    }

    // Runs one step; an error text when the step is not understood or could
    // not be made.
    std::optional<std::string> Run(const std::string& step);
    // The whole screen at its pixel size, with the open menus on it; when
    // the last step opened a dialog, the screen as it was with that dialog
    // over it.
    QImage Capture();
    // Told by the unattended dialogs when a dialog is up, before it is
    // cancelled.
    void DialogShown(QWidget& dialog);
    // Lets the program handle what is pending (queued commands, repaints).
    static void Settle();

private:
    std::optional<std::string> Tap(const std::string& where, bool hold);
    std::optional<std::string> Key(const std::string& name);
    std::optional<std::string> Command(const std::string& id);
    std::optional<std::string> OpenItem(const std::string& index, bool entry);
    std::optional<std::string> Wait(const std::string& milliseconds);
    void WaitForSync();
    QImage ScreenImage();

    DeviceScreen& m_screen;
    // The screen with the last step's dialog over it, if it opened one.
    std::optional<QImage> m_dialogShot;
};
