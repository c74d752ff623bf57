#pragma once

#include "imaging/Dib.h"
#include "workflows/CommandIds.h"

#include <QIcon>
#include <string_view>

// The program's bitmaps, drawn for it and shipped as PNG files in the Qt
// resources (":/bitmaps/NAME.png"), loaded as RGB565 bitmaps.
namespace Bitmaps {

constexpr std::string_view Placeholder = "138";  // a blog without entries
constexpr std::string_view EntryToolbar = "148"; // 16-pixel buttons
constexpr std::string_view EntryToolbarLarge = "150";
constexpr std::string_view GroupBadge = "152";     // 20 x 20, cyan transparent
constexpr std::string_view Tick = "157";           // 20 x 20, cyan transparent
constexpr std::string_view Busy = "158";           // four 16 x 16 frames
constexpr std::string_view Markers = "159";        // 16 x 16 icons
constexpr std::string_view PageIcons = "160";      // four 16 x 16 icons
constexpr std::string_view PageIconsLarge = "161"; // four 32 x 32 icons
constexpr std::string_view BusyLarge = "162";      // four 32 x 32 frames
constexpr std::string_view HomeToolbar = "toolbar-home";
constexpr std::string_view HomeToolbarLarge = "toolbar-home-large";
constexpr std::string_view BlogToolbar = "toolbar-blog";
constexpr std::string_view BlogToolbarLarge = "toolbar-blog-large";

}

// A bitmap of the resources as RGB565; a null bitmap when it is missing.
Dib LoadBitmapResource(std::string_view name);

// The toolbar image of a command, cut from its toolbar strip (the large
// strips on screens larger than 320 pixels); a null icon for commands
// without one. The strips' cyan is transparent.
QIcon ToolbarIcon(CommandId command);
