// vellumbrix: the desktop program. It shows a handheld's screen in a
// window, in the handheld's own pixels, and runs the program on the device
// of VELLUMBRIX_HOME (or --home), or on the desktop's own folders.

#include "ProgramOptions.h"
#include "ScreenSteps.h"
#include "UnattendedDialogHost.h"
#include "UnattendedUserInteraction.h"

#include "app/ScreenScale.h"
#include "app/ScreenSize.h"
#include "app/StartUp.h"
#include "dialogs/QtDialogHost.h"
#include "dialogs/QtUserInteraction.h"
#include "model/BlogPrompts.h"
#include "model/CWinBlogUser.h"
#include "platform/DeviceFolders.h"
#include "platform/Path.h"
#include "transport/CurlHttp.h"
#include "ui/CChildView.h"
#include "ui/CMainFrame.h"
#include "ui/CameraNoticeInbox.h"
#include "ui/DeviceScreen.h"
#include "ui/InstanceChannel.h"
#include "workflows/CameraNotice.h"
#include "workflows/ServiceAccountOperations.h"
#include "workflows/ServiceNetworkOperations.h"

#include <QApplication>
#include <QTimer>
#include <iostream>
#include <memory>

namespace {

enum ExitStatus {
    ExitSuccess = 0,
    ExitFailure = 1,
    ExitUsage = 2,
};

// Runs the steps, saves the screenshot, and ends the program when there is
// a screenshot to take or nobody at the screen. `running` names the steps
// while they run, for the dialogs they open.
void RunSteps(DeviceScreen& screen, const ProgramOptions& options, ScreenSteps*& running)
{
    ScreenSteps steps(screen);
    running = &steps;
    int status = ExitSuccess;
    for (const std::string& step : options.steps) {
        if (auto error = steps.Run(step)) {
            std::cerr << "vellumbrix: --do " << step << ": " << *error << "\n";
            status = ExitFailure;
            break;
        }
    }
    if (options.screenshot && !steps.Capture().save(QString::fromStdString(*options.screenshot), "PNG")) {
        std::cerr << "vellumbrix: cannot write " << *options.screenshot << "\n";
        status = ExitFailure;
    }
    running = nullptr;
    if (options.screenshot || options.offscreen)
        QCoreApplication::exit(status);
}

// --camera-notice: hands the notice to the program running on the device,
// as a camera application would, instead of starting it.
int SendCameraNotice(const ProgramOptions& options)
{
    std::string photo = AbsolutePath(*options.cameraNotice);
    std::vector<std::uint8_t> block = CameraNotice::MakeBlock(photo, options.noticeResult.value_or(CameraNotice::kPhotoTaken));
    QString channelName = InstanceChannel::NameFor(DeviceFolders::Current().DataFolder());
    QByteArray bytes(reinterpret_cast<const char*>(block.data()), static_cast<qsizetype>(block.size()));
    if (!InstanceChannel::Send(channelName, CameraNotice::kDataType, bytes)) {
        std::cerr << "vellumbrix: the program is not running on this device; the notice was not delivered\n";
        return ExitFailure;
    }
    return ExitSuccess;
}

}

int main(int argc, char** argv)
{
    ProgramOptions options;
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (auto error = ParseProgramOptions(arguments, options)) {
        std::cerr << "vellumbrix: " << *error << "\n\n"
                  << kProgramUsage;
        return ExitUsage;
    }
    if (options.help) {
        std::cout << kProgramUsage;
        return ExitSuccess;
    }
    int qtArgc = 1;
    if (options.cameraNotice) {
        // No window: this start only talks to the running one.
        QCoreApplication messenger(qtArgc, argv);
        if (options.home)
            DeviceFolders::Use(DeviceFolders::ForSandbox(*options.home));
        return SendCameraNotice(options);
    }
    if (options.offscreen)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellumbrix"));

    if (options.home)
        DeviceFolders::Use(DeviceFolders::ForSandbox(*options.home));
    // The start-up of the handheld: scale factors, the registry's key
    // chain, then the frame.
    ScreenScale::Set(ScreenScale::FromDotsPerInch(options.dpi, options.dpi));
    ScreenSize::Set({ options.Width(), options.Height() });
    if (!CreatePreferenceKeyChain())
        std::cerr << "vellumbrix: the preferences cannot be written; their defaults are used\n";

    // One instance per device: a second start brings the first forward.
    QString channelName = InstanceChannel::NameFor(DeviceFolders::Current().DataFolder());
    InstanceChannel channel;
    if (!channel.Listen(channelName)) {
        if (InstanceChannel::Send(channelName, InstanceChannel::kBringToFront)) {
            std::cerr << "vellumbrix: already running on this device; brought to the front\n";
            return ExitSuccess;
        }
        std::cerr << "vellumbrix: cannot open the channel " << channelName.toStdString() << "; running without it\n";
    }

    CWinBlogUser user;
    // The service of the "Service Host" preference, for the account and
    // blog dialogs.
    CurlHttp http;
    ServiceAccountOperations accounts(http);
    // Without anyone at the screen each dialog is shown, seen by the
    // running steps (for a screenshot) and cancelled.
    ScreenSteps* runningSteps = nullptr;
    auto dialogShown = [&runningSteps](QWidget& dialog) {
        if (runningSteps)
            runningSteps->DialogShown(dialog);
    };
    std::unique_ptr<QtUserInteraction> interaction;
    if (options.offscreen) {
        auto unattended = std::make_unique<UnattendedUserInteraction>();
        unattended->SetShownHandler(dialogShown);
        interaction = std::move(unattended);
    } else {
        interaction = std::make_unique<QtUserInteraction>();
    }
    UserInteraction::Use(interaction.get());
    BlogPrompts::Use(interaction.get());
    QtDialogHost qtDialogs;
    UnattendedDialogHost unattendedDialogs(qtDialogs);
    unattendedDialogs.SetShownHandler(dialogShown);
    // A run that ends by itself after its steps has nobody to answer a
    // dialog either, the welcome of a first start included.
    bool unattended = options.offscreen || options.screenshot;
    DialogHost& dialogs = unattended ? static_cast<DialogHost&>(unattendedDialogs) : qtDialogs;

    // The network commands over the web service at the "Service Host".
    ServiceNetworkOperations network;

    int status;
    {
        DeviceScreen screen(user, dialogs);
        interaction->SetParent(&screen);
        qtDialogs.SetParent(&screen);
        QObject::connect(&screen.GetFrame(), &CMainFrame::exitRequested, &application, &QCoreApplication::quit, Qt::QueuedConnection);
        CameraNoticeInbox cameraNotices(screen.GetFrame().GetView());
        QObject::connect(&channel, &InstanceChannel::messageReceived, &screen, [&screen, &options, &cameraNotices](std::uint32_t dataType, const QByteArray& block) {
            if (dataType == CameraNotice::kDataType) {
                cameraNotices.Receive(dataType, block);
                return;
            }
            if (dataType != InstanceChannel::kBringToFront)
                return;
            screen.BringToFront();
            if (options.offscreen)
                std::cerr << "vellumbrix: another start brought this one to the front\n";
        });
        if (options.offscreen) {
            QObject::connect(&cameraNotices, &CameraNoticeInbox::delivered, [](bool added) {
                std::cerr << "vellumbrix: a camera notice " << (added ? "added its photo to the open blog" : "carried no photo for an open blog") << "\n";
            });
        }

        screen.GetFrame().GetView().GetController().SetNetworkOperations(&network);
        screen.GetFrame().GetView().GetController().SetAccountOperations(&accounts);
        screen.GetFrame().GetView().Init();
        screen.show();
        screen.GetFrame().setFocus();
        if (!options.steps.empty() || options.screenshot || options.offscreen)
            QTimer::singleShot(0, &screen, [&screen, &options, &runningSteps] { RunSteps(screen, options, runningSteps); });
        status = QApplication::exec();
    }
    BlogPrompts::Use(nullptr);
    UserInteraction::Use(nullptr);
    return status;
}
