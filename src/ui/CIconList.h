#pragma once

#include "imaging/Dib.h"
#include "ui/ColorRef.h"

class PaintContext;

// A row of equal square icons cut from one bitmap strip, drawn with a
// transparent colour (cyan in every strip of the program).
class CIconList {
public:
    CIconList() = default;
    CIconList(Dib strip, int iconSize, ColorRef transparent = Colors::Cyan)
        : m_strip(std::move(strip))
        , m_iconSize(iconSize)
        , m_transparent(transparent)
    {
    }

    int GetIconSize() const { return m_iconSize; }
    int GetCount() const { return m_iconSize > 0 ? m_strip.Width() / m_iconSize : 0; }
    // Draws icon `index` with its top-left corner at (x, y); an index
    // outside the strip draws nothing.
    void Draw(PaintContext& context, int index, int x, int y) const;

private:
    Dib m_strip;
    int m_iconSize { 0 };
    ColorRef m_transparent { Colors::Cyan };
};
