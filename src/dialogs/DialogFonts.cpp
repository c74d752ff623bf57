#include "dialogs/DialogFonts.h"

#include "dialogs/DialogGeometry.h"

#include <QStringList>

// Base pixel sizes on a 96-dpi screen.
static constexpr int kDialogPixels = 11;
static constexpr int kHeadingPixels = 12;

static QFont HandheldFont(int basePixels)
{
    QFont font;
    // Narrow faces first, so that the texts fit a 240-pixel screen as they
    // did on the handheld.
    font.setFamilies({ "Tahoma", "DejaVu Sans Condensed", "Liberation Sans Narrow", "DejaVu Sans", "Sans Serif" });
    font.setPixelSize(DialogGeometry::ScaleY(basePixels));
    return font;
}

QFont DialogFont()
{
    return HandheldFont(kDialogPixels);
}

QFont HeadingFont()
{
    QFont font = HandheldFont(kHeadingPixels);
    font.setBold(true);
    return font;
}
