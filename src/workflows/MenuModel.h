#pragma once

#include "workflows/CommandIds.h"

#include <string>
#include <vector>

// A menu as the main view shows it, built afresh each time it opens so that
// its items, check marks and enabled states always match the view.
struct MenuItem {
    enum class Kind {
        Command,
        Separator,
        Submenu,
    };

    Kind kind { Kind::Command };
    std::string text;
    CommandId command { 0 };
    bool checked { false };
    bool enabled { true };
    std::vector<MenuItem> submenu;

    static MenuItem Separator() { return { Kind::Separator, {}, 0, false, true, {} }; }
};

using Menu = std::vector<MenuItem>;

// The menu resources of the main view.
using MenuId = unsigned;

namespace Menus {

constexpr MenuId HomeTools = 128;
constexpr MenuId BlogTools = 129;
constexpr MenuId EntryTools = 148;
constexpr MenuId FilterDropDown = 150;
constexpr MenuId CategoryDropDown = 151;
constexpr MenuId BlogRowContext = 200;
constexpr MenuId EntryCellContext = 201;

}

// The two keys of a mode's soft-key bar: the left key runs one command, the
// right key opens the mode's "Tools" menu.
struct SoftKeys {
    std::string leftText;
    CommandId leftCommand { 0 };
    bool leftEnabled { true };
    std::string rightText;
    MenuId rightMenu { 0 };
};
