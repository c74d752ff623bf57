#pragma once

#include <QImage>
#include <optional>
#include <string>

class DeviceScreen;

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
    // The whole screen at its pixel size, with the open menus on it.
    QImage Capture();
    // Lets the program handle what is pending (queued commands, repaints).
    static void Settle();

private:
    std::optional<std::string> Tap(const std::string& where, bool hold);
    std::optional<std::string> Key(const std::string& name);
    std::optional<std::string> Command(const std::string& id);
    std::optional<std::string> OpenItem(const std::string& index, bool entry);
    std::optional<std::string> Wait(const std::string& milliseconds);
    void WaitForSync();

    DeviceScreen& m_screen;
};
