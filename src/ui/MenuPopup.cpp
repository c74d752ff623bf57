#include "ui/MenuPopup.h"

#include "app/ScreenScale.h"
#include "ui/BitmapResources.h"
#include "ui/QtPaintContext.h"
#include "ui/SystemFont.h"

#include <QMenu>

// The chosen command runs once the menu has closed, so that a command that
// opens a dialog or a progress window does not run inside the menu's
// event handling.
static void FillMenu(QMenu* qtMenu, const Menu& menu, const std::function<void(CommandId)>& chosen, QObject* context)
{
    for (const MenuItem& item : menu) {
        switch (item.kind) {
        case MenuItem::Kind::Separator:
            qtMenu->addSeparator();
            break;
        case MenuItem::Kind::Submenu:
            FillMenu(qtMenu->addMenu(QString::fromStdString(item.text)), item.submenu, chosen, context);
            break;
        case MenuItem::Kind::Command: {
            QAction* action = qtMenu->addAction(QString::fromStdString(item.text));
            action->setEnabled(item.enabled);
            action->setCheckable(item.checked);
            action->setChecked(item.checked);
            action->setIcon(ToolbarIcon(item.command));
            action->setData(static_cast<qulonglong>(item.command));
            CommandId command = item.command;
            QObject::connect(action, &QAction::triggered, context, [chosen, command, context] {
                QMetaObject::invokeMethod(
                    context, [chosen, command] { chosen(command); }, Qt::QueuedConnection);
            });
            break;
        }
        }
    }
}

QMenu* BuildMenu(const Menu& menu, QWidget* parent, const std::function<void(CommandId)>& chosen)
{
    auto* qtMenu = new QMenu(parent);
    qtMenu->setAttribute(Qt::WA_DeleteOnClose);
    // Menus speak in the handheld's system font, in its pixels.
    qtMenu->setFont(QtPaintContext::ToQFont(SystemFont(ScreenScale::Current())));
    FillMenu(qtMenu, menu, chosen, parent);
    return qtMenu;
}

QPoint PlaceOnScreen(QWidget* parent, QSize size, QPoint globalPosition)
{
    QWidget* screen = parent->window();
    QRect bounds(screen->mapToGlobal(QPoint(0, 0)), screen->size());
    QPoint position = globalPosition;
    // A menu that would run past the bottom opens above the point.
    if (position.y() + size.height() > bounds.bottom() + 1)
        position.setY(position.y() - size.height());
    position.setX(std::clamp(position.x(), bounds.left(), std::max(bounds.left(), bounds.right() + 1 - size.width())));
    position.setY(std::clamp(position.y(), bounds.top(), std::max(bounds.top(), bounds.bottom() + 1 - size.height())));
    return position;
}

QMenu* PopupMenu(const Menu& menu, QWidget* parent, QPoint globalPosition, std::function<void(CommandId)> chosen)
{
    QMenu* qtMenu = BuildMenu(menu, parent, chosen);
    qtMenu->popup(PlaceOnScreen(parent, qtMenu->sizeHint(), globalPosition));
    return qtMenu;
}
