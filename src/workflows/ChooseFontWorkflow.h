#pragma once

#include "app/LogicalFont.h"

// CChooseFontDlg: the main view's font. On OK the chosen font is in the
// workflow; the opener writes it to "Main View Font" and redraws.
class ChooseFontWorkflow {
public:
    // The display's vertical pixels per inch convert sizes in points.
    ChooseFontWorkflow(LogicalFont font, int pixelsPerInch)
        : m_font(std::move(font))
        , m_pixelsPerInch(pixelsPerInch)
    {
    }

    const LogicalFont& GetFont() const { return m_font; }
    void SetFont(LogicalFont font) { m_font = std::move(font); }
    int GetPixelsPerInch() const { return m_pixelsPerInch; }

private:
    LogicalFont m_font;
    int m_pixelsPerInch;
};
