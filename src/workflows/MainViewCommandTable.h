#pragma once

#include "workflows/MainViewController.h"

#include <cstdint>
#include <span>

// One row of the main view's command table: the ids it covers, its
// handler, the dialogs it may open and what else it needs. A command is
// enabled when the dialog host has every dialog it may open and what its
// availability asks for is there.
struct CommandRow {
    enum class Availability {
        Always,
        // The service's operations must be there.
        Network,
        // The account operations must be there.
        Accounts,
    };

    // The modes in which the command acts.
    enum Modes : unsigned {
        InHome = 1,
        InBlog = 2,
        InEntry = 4,
        Anywhere = InHome | InBlog | InEntry,
    };

    CommandId first;
    CommandId last;
    void (MainViewController::*handler)(CommandId, const MainViewController::Target&);
    unsigned modes;
    std::uint64_t dialogs;
    Availability availability;

    bool Covers(CommandId id) const { return id >= first && id <= last; }
    bool ActsIn(ViewMode mode) const;
    bool NeedsDialog(DialogId id) const;

    static std::span<const CommandRow> All();
};
