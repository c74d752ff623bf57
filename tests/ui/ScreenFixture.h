#pragma once

#include "../workflows/ScriptedDialogHost.h"
#include "support/BlogFixtures.h"
#include "support/SandboxDevice.h"

#include "app/ScreenScale.h"
#include "app/ScreenSize.h"
#include "app/StartUp.h"
#include "ui/CChildView.h"
#include "ui/CMainFrame.h"
#include "ui/DeviceScreen.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <gtest/gtest.h>
#include <memory>

// The program's screen on a sandboxed device with an account and three
// blogs, in list order "Family" (a group blog of another owner), "Sample
// Trips" (the user's, empty) and "Trips" (the user's, with `tripsEntries`
// entries in the categories "Beach" and "Mountains", the first one new).
// Screenshots go to the test's folder "screenshots".
class ScreenTest : public testing::Test {
protected:
    static constexpr size_t kTrips = 2;

    void SetUp() override;
    void TearDown() override;

    void MakeDevice(int tripsEntries = 12);
    // Starts the program on an emulated screen.
    void Start(int width = 240, int height = 320, int dpi = 96);
    // Lets queued events, timers and repaints run.
    static void Settle(int milliseconds = 30);
    // The screen as a person sees it (with an open menu drawn over it),
    // saved as screenshots/NAME.png.
    QImage Shot(const char* name);

    DeviceScreen& Screen() { return *m_screen; }
    CChildView& View() { return m_screen->GetFrame().GetView(); }
    MainViewController& Controller() { return View().GetController(); }
    // The centre of a grid item, in the view's coordinates.
    QPoint ItemCentre(int index);

    SandboxDevice device;
    ScriptedDialogHost dialogs;

private:
    std::unique_ptr<CWinBlogUser> m_user;
    std::unique_ptr<DeviceScreen> m_screen;
};

std::uint16_t PixelAt(const QImage& image, int x, int y);
