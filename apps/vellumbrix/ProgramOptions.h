#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The desktop program's command line.
struct ProgramOptions {
    // The emulated handheld screen, in its own pixels, and its pixels per
    // inch (the scale factors are dpi / 96).
    int screenWidth { 240 };
    int screenHeight { 320 };
    int dpi { 96 };
    bool landscape { false };
    // A sandboxed device folder (as VELLUMBRIX_HOME).
    std::optional<std::string> home;
    // Headless: no window on the desktop, messages on stderr, dialogs
    // cancelled.
    bool offscreen { false };
    // Where to save the window once the steps are done; the program then
    // ends.
    std::optional<std::string> screenshot;
    // Steps run in order once the program has started ("open-blog 0",
    // "key Down", "tap 40,80", "command 32807", ...).
    std::vector<std::string> steps;
    // Instead of starting: hands the running program the notice of a
    // camera application that it took this photo, with a result word (0,
    // a photo was taken, unless --result says otherwise).
    std::optional<std::string> cameraNotice;
    std::optional<std::uint32_t> noticeResult;
    bool help { false };

    // The screen as the program sees it: landscape swaps the two sides.
    int Width() const { return landscape ? screenHeight : screenWidth; }
    int Height() const { return landscape ? screenWidth : screenHeight; }
};

// Reads the arguments (without the program name); an error text when they
// make no sense.
std::optional<std::string> ParseProgramOptions(const std::vector<std::string>& arguments, ProgramOptions& options);

extern const char* const kProgramUsage;
