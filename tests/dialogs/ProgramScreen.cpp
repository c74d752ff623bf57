#include "ProgramScreen.h"

#include "support/BlogFixtures.h"

#include "app/ScreenScale.h"
#include "app/ScreenSize.h"
#include "app/StartUp.h"
#include "platform/DeviceFolders.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "ui/CChildView.h"
#include "ui/CGridCtrl.h"
#include "ui/CMainFrame.h"
#include "ui/DeviceScreen.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <chrono>
#include <thread>

ProgramScreenTest::ProgramScreenTest() = default;
ProgramScreenTest::~ProgramScreenTest() = default;

void ProgramScreenTest::SetUp()
{
    ASSERT_TRUE(CreatePreferenceKeyChain());
    ASSERT_NO_FATAL_FAILURE(BuildDevice());
    host.SetCameraProviderFactory(PreparedPhotoCamera::Factory(camera));
}

void ProgramScreenTest::BuildDevice()
{
    CWinBlogUser setup;
    ASSERT_TRUE(SaveAccount(setup, 7));
    CWinBlogStorage& trips = AddBlog(setup, { "trips", "Trips", "Where we went", false, false, 7 });
    AddEntry(trips, { .title = "Harbour", .postDate = 300, .serverId = 11, .posterId = 7 });
    ASSERT_EQ(trips.Save(), Error::Success);
}

void ProgramScreenTest::TearDown()
{
    m_screen.reset();
    m_user.reset();
    ScreenScale::Set({});
    ScreenSize::Set({});
}

void ProgramScreenTest::Start(NetworkOperations* network)
{
    ScreenScale::Set(ScreenScale::FromDotsPerInch(96, 96));
    ScreenSize::Set({ 240, 320 });
    m_user = std::make_unique<CWinBlogUser>();
    m_screen = std::make_unique<DeviceScreen>(*m_user, host);
    host.SetParent(m_screen.get());
    Controller().SetNetworkOperations(network);
    View().Init();
    m_screen->show();
}

void ProgramScreenTest::StartInTrips(NetworkOperations* network)
{
    Start(network);
    Controller().OpenBlog(0);
}

CChildView& ProgramScreenTest::View()
{
    return m_screen->GetFrame().GetView();
}

MainViewController& ProgramScreenTest::Controller()
{
    return View().GetController();
}

void ProgramScreenTest::RunCommand(CommandId id)
{
    EXPECT_TRUE(Controller().IsCommandEnabled(id)) << "command " << id;
    m_screen->GetFrame().OnCommand(id);
}

bool ProgramScreenTest::RunWithDialog(CommandId id, std::function<void(QDialog&)> answer)
{
    bool answered = false;
    ModalAnswerer answerer([&](QWidget& modal) {
        auto* dialog = qobject_cast<QDialog*>(&modal);
        ASSERT_NE(dialog, nullptr);
        if (answered) {
            ADD_FAILURE() << "another dialog came: " << dialog->windowTitle().toStdString();
        } else {
            answered = true;
            answer(*dialog);
        }
        if (dialog->isVisible())
            dialog->reject();
    });
    RunCommand(id);
    return answered;
}

std::unique_ptr<CWinBlogStorage> ProgramScreenTest::Saved() const
{
    auto saved = std::make_unique<CWinBlogStorage>();
    saved->SetFilePath(m_user->GetBlogList().GetAt(0)->GetFilePath());
    EXPECT_EQ(saved->Load(), Error::Success);
    return saved;
}

std::string ProgramScreenTest::MakePhoto(const std::string& name, std::uint32_t seed)
{
    // File times tick in steps of a few milliseconds.
    std::this_thread::sleep_for(std::chrono::milliseconds(12));
    std::string path = JoinPath(DeviceFolders::Current().PersonalFolder(), name);
    EXPECT_EQ(CreateFolderWithParents(ParentPath(path)), Error::Success);
    WritePhotoFile(path, 320, 240, seed);
    return path;
}

ModalAnswerer::ModalAnswerer(std::function<void(QWidget&)> answer)
    : m_answer(std::move(answer))
{
    m_timer.setInterval(5);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
    m_timer.start();
}

ModalAnswerer::~ModalAnswerer() = default;

void ModalAnswerer::Poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == m_last.data())
        return;
    m_last = modal;
    ++m_answered;
    m_answer(*modal);
}

QPoint CellCentre(const CGridCtrl& grid, int index)
{
    auto cell = grid.GetLayout().ItemRect(index);
    EXPECT_TRUE(cell.has_value()) << "no cell " << index;
    return cell ? QPoint((cell->left + cell->right) / 2, (cell->top + cell->bottom) / 2) : QPoint();
}

bool WaitFor(const std::function<bool()>& done, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}
