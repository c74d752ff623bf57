#pragma once

#include "workflows/MenuModel.h"

#include <QPoint>
#include <functional>

class QMenu;
class QWidget;

// Builds a Qt menu from a menu of the view (items, separators, submenus,
// check marks, disabled items, the toolbar images of the commands that have
// one) and opens it at a global point without blocking. The chosen command
// goes to `chosen`; the menu deletes itself when closed.
QMenu* PopupMenu(const Menu& menu, QWidget* parent, QPoint globalPosition, std::function<void(CommandId)> chosen);

// The same without opening it.
QMenu* BuildMenu(const Menu& menu, QWidget* parent, const std::function<void(CommandId)>& chosen);
