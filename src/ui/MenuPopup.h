#pragma once

#include "workflows/MenuModel.h"

#include <QPoint>
#include <QSize>
#include <functional>

class QMenu;
class QWidget;

// Builds a Qt menu from a menu of the view (items, separators, submenus,
// check marks, disabled items, the toolbar images of the commands that have
// one) and opens it at a global point without blocking. The chosen command
// goes to `chosen`; the menu deletes itself when closed.
QMenu* PopupMenu(const Menu& menu, QWidget* parent, QPoint globalPosition, std::function<void(CommandId)> chosen);

// Where a menu of this size opens at a point so that it stays on the
// handheld's screen (the parent's window).
QPoint PlaceOnScreen(QWidget* parent, QSize size, QPoint globalPosition);

// The same without opening it.
QMenu* BuildMenu(const Menu& menu, QWidget* parent, const std::function<void(CommandId)>& chosen);
