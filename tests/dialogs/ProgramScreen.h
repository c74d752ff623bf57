#pragma once

#include "PreparedPhotoCamera.h"

#include "support/SandboxDevice.h"

#include "dialogs/QtDialogHost.h"
#include "workflows/CommandIds.h"

#include <QPointer>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class CChildView;
class CGridCtrl;
class QDialog;
class CWinBlogStorage;
class CWinBlogUser;
class DeviceScreen;
class MainViewController;
class NetworkOperations;

// The desktop program's screen over the real dialogs on a sandboxed device
// whose camera gives back prepared photos. What the device holds when the
// program starts is made by BuildDevice: unless a test says otherwise, an
// account and one blog, "trips", with one published entry.
class ProgramScreenTest : public testing::Test {
protected:
    ProgramScreenTest();
    ~ProgramScreenTest() override;

    void SetUp() override;
    void TearDown() override;

    // Fills the device before the program starts (the preference key chain
    // is made by then).
    virtual void BuildDevice();

    // Starts the program on a 240 x 320 screen at 96 dpi, with the network
    // operations given (none: the service's commands are off).
    void Start(NetworkOperations* network = nullptr);
    // The same, then opens the first blog, "trips".
    void StartInTrips(NetworkOperations* network = nullptr);
    DeviceScreen& Screen() { return *m_screen; }
    CChildView& View();
    MainViewController& Controller();
    // Runs a command as its menu item does.
    void RunCommand(CommandId id);
    // Runs the command with `answer` working the dialog it opens, through
    // its widgets (a dialog it leaves open is cancelled), and tells whether
    // a dialog came. A further dialog the command opens after it fails the
    // test and is cancelled, so that the run always ends.
    bool RunWithDialog(CommandId id, std::function<void(QDialog&)> answer);
    // The blog as its file holds it now.
    std::unique_ptr<CWinBlogStorage> Saved() const;
    // Photo files in the personal folder; each call makes its file later
    // than the one before.
    std::string MakePhoto(const std::string& name, std::uint32_t seed = 1);

    SandboxDevice device;
    QtDialogHost host;
    std::shared_ptr<PreparedPhotoCamera::Photos> camera { std::make_shared<PreparedPhotoCamera::Photos>() };

private:
    std::unique_ptr<CWinBlogUser> m_user;
    std::unique_ptr<DeviceScreen> m_screen;
};

// While it lives, each modal window that comes up (a new one each time) is
// handed to `answer`, which closes it, at once or through what it starts.
class ModalAnswerer {
public:
    explicit ModalAnswerer(std::function<void(QWidget&)> answer);
    ~ModalAnswerer();

    int Answered() const { return m_answered; }

private:
    void Poll();

    std::function<void(QWidget&)> m_answer;
    QTimer m_timer;
    QPointer<QWidget> m_last;
    int m_answered { 0 };
};

// The centre of a cell of a grid (a null point, failing the test, when the
// cell is not laid out).
QPoint CellCentre(const CGridCtrl& grid, int index);

// Runs the event loop until `done` holds or the time is up; false then.
bool WaitFor(const std::function<bool()>& done, int milliseconds = 5000);
