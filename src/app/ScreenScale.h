#pragma once

// Layout sizes are design sizes for a 96-dpi screen multiplied by these
// factors, which are set once at start from the screen's pixels per inch.
struct ScreenScale {
    double horizontal { 1.0 };
    double vertical { 1.0 };

    static ScreenScale FromDotsPerInch(double horizontalDpi, double verticalDpi);

    int ScaleX(int designSize) const { return static_cast<int>(designSize * horizontal); }
    int ScaleY(int designSize) const { return static_cast<int>(designSize * vertical); }

    static const ScreenScale& Current();
    static void Set(ScreenScale scale);
};
