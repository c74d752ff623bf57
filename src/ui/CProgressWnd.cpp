#include "ui/CProgressWnd.h"

#include "app/ScreenSize.h"
#include "ui/BitmapResources.h"
#include "ui/QtPaintContext.h"
#include "ui/SystemFont.h"
#include "ui/ViewStyle.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace {

// Design sizes at 96 dpi.
constexpr int kWidth = 200;
constexpr int kButtonWidth = 56;
constexpr int kButtonHeight = 20;
constexpr int kPadding = 6;
constexpr int kTextTop = 4;
constexpr int kIconSize = 16;
constexpr int kLargeIconSize = 32;

}

CProgressWnd::CProgressWnd(QWidget* parent, int lines, bool showNow, BusyAnimation::Clock clock)
    : QWidget(parent ? parent->window() : nullptr, parent ? Qt::Widget : Qt::Tool | Qt::FramelessWindowHint)
    , m_lines(static_cast<size_t>(std::max(lines, 1)))
    , m_animation(clock ? BusyAnimation(std::move(clock)) : BusyAnimation())
{
    const ScreenScale& scale = ScreenScale::Current();
    m_style.scale = scale;
    m_style.normalFont = SystemFont(scale);
    m_style.boldFont = BoldFontOf(m_style.normalFont);
    bool large = ScreenSize::Current().IsLarge();
    m_style.busyIcons = CIconList(LoadBitmapResource(large ? Bitmaps::BusyLarge : Bitmaps::Busy), large ? kLargeIconSize : kIconSize);

    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelButton->setFocusPolicy(Qt::NoFocus);
    connect(m_cancelButton, &QPushButton::clicked, this, [this] { m_cancelled = true; });

    int lineHeight = QFontMetrics(QtPaintContext::ToQFont(m_style.normalFont)).height();
    int width = scale.ScaleX(kWidth);
    int buttonTop = scale.ScaleY(kPadding) + kTextTop + static_cast<int>(m_lines.size()) * lineHeight + scale.ScaleY(kPadding);
    int height = buttonTop + scale.ScaleY(kButtonHeight) + scale.ScaleY(kPadding);
    resize(width, height);
    m_cancelButton->setGeometry(width - scale.ScaleX(kPadding + kButtonWidth), buttonTop, scale.ScaleX(kButtonWidth), scale.ScaleY(kButtonHeight));
    if (QWidget* window = parentWidget())
        move((window->width() - width) / 2, (window->height() - height) / 2);

    DisableRestOfWindow();
    hide();
    if (showNow)
        Show();
}

CProgressWnd::~CProgressWnd()
{
    for (auto& widget : m_disabled) {
        if (widget)
            widget->setEnabled(true);
    }
}

void CProgressWnd::DisableRestOfWindow()
{
    QWidget* window = parentWidget();
    if (!window)
        return;
    for (QObject* child : window->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget == this || widget->isWindow() || !widget->isEnabled())
            continue;
        widget->setEnabled(false);
        m_disabled.emplace_back(widget);
    }
}

QRect CProgressWnd::IconRect() const
{
    const ScreenScale& scale = m_style.scale;
    int side = m_style.busyIcons.GetIconSize();
    // The marker control's top-left corner, one pixel in.
    int x = scale.ScaleX(kPadding) + 1;
    int y = m_cancelButton->geometry().center().y() - side / 2 + 1;
    return QRect(x, y, side, side);
}

void CProgressWnd::RequestRepaint(const QRect& area)
{
    ++m_repaintRequests;
    update(area);
}

void CProgressWnd::Show()
{
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
    repaint();
}

void CProgressWnd::SetLine(int index, std::string_view text)
{
    if (index < 0 || static_cast<size_t>(index) >= m_lines.size() || m_lines[static_cast<size_t>(index)] == text)
        return;
    m_lines[static_cast<size_t>(index)] = text;
    RequestRepaint(rect());
}

void CProgressWnd::ClearStatus()
{
    for (size_t i = 1; i < m_lines.size(); ++i)
        SetLine(static_cast<int>(i), "");
}

void CProgressWnd::Step()
{
    QCoreApplication::processEvents();
    if (m_animation.Step())
        RequestRepaint(IconRect());
}

bool CProgressWnd::IsCancelled()
{
    QCoreApplication::processEvents();
    return m_cancelled;
}

void CProgressWnd::paintEvent(QPaintEvent*)
{
    auto bitmap = CreateDibForOverwrite(std::max(width(), 1), std::max(height(), 1), 16);
    if (bitmap.IsError())
        return;
    {
        QtPaintContext context(*bitmap);
        QRect icon = IconRect();
        DrawProgressPanel(context, { 0, 0, width(), height() }, m_lines, m_animation.GetFrame(), { icon.x(), icon.y() }, m_style);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, ImageOf(*bitmap));
}

void CProgressWnd::keyReleaseEvent(QKeyEvent* event)
{
    // Releasing Enter presses Cancel, as the button would.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        m_cancelled = true;
        return;
    }
    QWidget::keyReleaseEvent(event);
}
