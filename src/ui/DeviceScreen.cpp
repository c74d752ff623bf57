#include "ui/DeviceScreen.h"

#include "app/ScreenScale.h"
#include "app/ScreenSize.h"
#include "ui/CChildView.h"
#include "ui/CMainFrame.h"
#include "ui/InputPanel.h"
#include "ui/MenuPopup.h"
#include "ui/NavigationBar.h"
#include "ui/SoftKeyBar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

DeviceScreen::DeviceScreen(CWinBlogUser& user, DialogHost& dialogs, QWidget* parent)
    : QWidget(parent)
    , m_navigationBar(new NavigationBar(this))
    , m_frame(new CMainFrame(user, dialogs, this))
    , m_inputPanel(new InputPanel(this))
    , m_softKeyBar(new SoftKeyBar(this))
{
    setWindowTitle(QStringLiteral("Vellumbrix"));
    const ScreenSize& screen = ScreenSize::Current();
    setFixedSize(screen.width, screen.height);
    m_inputPanel->hide();
    PlaceChildren();

    connect(&m_frame->GetView(), &CChildView::barsChanged, this, &DeviceScreen::UpdateBars);
    connect(m_navigationBar, &NavigationBar::okClicked, this, [this] { m_frame->OnCommand(Command::Ok); });
    connect(m_softKeyBar, &SoftKeyBar::leftClicked, this, [this] {
        m_frame->OnCommand(m_frame->GetView().GetController().GetSoftKeys().leftCommand);
    });
    connect(m_softKeyBar, &SoftKeyBar::rightClicked, this, &DeviceScreen::OpenSoftKeyMenu);
    connect(m_softKeyBar, &SoftKeyBar::inputPanelClicked, this, &DeviceScreen::ToggleInputPanel);
    // F2 shows and hides the input panel wherever the focus is.
    qApp->installEventFilter(this);
}

DeviceScreen::~DeviceScreen()
{
    qApp->removeEventFilter(this);
}

void DeviceScreen::PlaceChildren()
{
    const ScreenScale& scale = ScreenScale::Current();
    // The frame lies between the navigation bar and the soft-key bar, less
    // the input panel when it is up.
    int bar = scale.ScaleY(kBarDesignHeight);
    int panel = m_inputPanel->isVisibleTo(this) ? scale.ScaleY(InputPanel::kDesignHeight) : 0;
    m_navigationBar->setGeometry(0, 0, width(), bar);
    m_frame->setGeometry(0, bar, width(), height() - 2 * bar - panel);
    m_inputPanel->setGeometry(0, height() - bar - panel, width(), panel);
    m_softKeyBar->setGeometry(0, height() - bar, width(), bar);
}

void DeviceScreen::SetInputPanelShown(bool shown)
{
    m_inputPanel->setVisible(shown);
    m_frame->GetView().SetInputPanelShown(shown);
    PlaceChildren();
}

bool DeviceScreen::IsInputPanelShown() const
{
    return m_inputPanel->isVisibleTo(this);
}

void DeviceScreen::UpdateBars()
{
    MainViewController& controller = m_frame->GetView().GetController();
    m_navigationBar->SetTitle(QString::fromStdString(controller.GetTitle()));
    SoftKeys keys = controller.GetSoftKeys();
    m_softKeyBar->SetKeys(QString::fromStdString(keys.leftText), keys.leftEnabled, QString::fromStdString(keys.rightText));
}

void DeviceScreen::OpenSoftKeyMenu()
{
    MainViewController& controller = m_frame->GetView().GetController();
    QMenu* menu = BuildMenu(controller.BuildMenu(controller.GetSoftKeys().rightMenu), this, [this](CommandId id) { m_frame->OnCommand(id); });
    // The menu rises from the right key, its bottom-right corner on the
    // bar's top-right corner.
    QPoint corner = m_softKeyBar->mapToGlobal(QPoint(m_softKeyBar->width(), 0));
    QSize size = menu->sizeHint();
    menu->popup(PlaceOnScreen(this, size, corner - QPoint(size.width(), size.height())));
}

void DeviceScreen::BringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

bool DeviceScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F2) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) {
            ToggleInputPanel();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
