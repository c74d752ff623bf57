#pragma once

// The screen's size in pixels. The program that owns a screen sets it once at
// start; until then (and in the command-line program) it is the handheld's
// portrait 240 x 320, which matches the 96-dpi default of ScreenScale.
struct ScreenSize {
    int width { 240 };
    int height { 320 };

    // Screens larger than 320 pixels in either direction get the large
    // bitmaps and the larger default photo download size.
    bool IsLarge() const { return width > 320 || height > 320; }

    static const ScreenSize& Current();
    static void Set(ScreenSize size);
};
