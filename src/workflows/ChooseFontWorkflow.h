#pragma once

#include "workflows/DialogOutcome.h"

#include "app/LogicalFont.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// "Choose Font" (CChooseFontDlg): the main view's font, as a logical-font
// record that the view keeps in the preference "Main View Font".
class ChooseFontWorkflow {
public:
    enum Field : int {
        kFaceField,
        kSizeField,
    };
    static constexpr std::string_view kTitle = "Choose Font";
    // The record holds a face name of 31 units and its terminating zero.
    static constexpr size_t kFaceNameLimit = 31;
    static constexpr std::int32_t kBold = 700;
    static constexpr std::int32_t kNormal = 400;
    static constexpr std::uint8_t kClearTypeQuality = 5;

    struct Controls {
        std::u16string faceName;
        std::u16string size;
        bool bold { false };
        bool italic { false };
        bool underline { false };
        bool clearType { false };
    };

    // pixelsPerInch: the display's vertical pixels per inch.
    ChooseFontWorkflow(const LogicalFont& current, int pixelsPerInch);

    // The font families of the display, in any order; the dialog gives them.
    void SetFaceNames(std::vector<std::u16string> families);
    // The families sorted, and the sizes "6" to "12".
    const std::vector<std::u16string>& FaceNames() const { return m_faceNames; }
    const std::vector<std::u16string>& Sizes() const { return m_sizes; }
    // The family the display draws for the current face: the desktop has
    // no "Tahoma", the handheld's face, and draws another in its place.
    void SetDrawnFace(std::u16string face) { m_drawnFace = std::move(face); }
    // The current font: its face (else the family drawn in its place, else
    // the first family when the display has neither), its size in points,
    // and the four boxes.
    Controls Opening() const;

    // OK: a face name past the limit shows the framework's message and the
    // dialog stays. Any size text is taken: one that is not a number gives
    // size 0, and so the height 0 of the platform's default.
    DialogOutcome Ok(const Controls& controls);
    // The font: the current one until OK made the new one.
    const LogicalFont& GetFont() const { return m_chosen; }
    void SetFont(LogicalFont font) { m_chosen = std::move(font); }
    int GetPixelsPerInch() const { return m_pixelsPerInch; }
    // What the view does after OK: keeps the font in "Main View Font".
    bool WriteChoice() const;

    // A height in pixels as a size in points, and back, each to the nearest
    // whole number with a half going up.
    static std::int32_t PointsFromHeight(std::int32_t height, int pixelsPerInch);
    static std::int32_t HeightFromPoints(std::int32_t points, int pixelsPerInch);

private:
    LogicalFont m_current;
    LogicalFont m_chosen;
    std::vector<std::u16string> m_faceNames;
    std::u16string m_drawnFace;
    std::vector<std::u16string> m_sizes;
    int m_pixelsPerInch;
};
