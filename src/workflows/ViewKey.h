#pragma once

// The keys the main view acts on.
enum class ViewKey {
    Left,
    Right,
    Up,
    Down,
    PageUp,
    PageDown,
    Enter,
    Escape,
};
