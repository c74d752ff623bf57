#include "dialogs/DialogGeometry.h"

#include "app/ScreenScale.h"
#include "app/ScreenSize.h"

namespace DialogGeometry {

int ScaleX(int designSize)
{
    return ScreenScale::Current().ScaleX(designSize);
}

int ScaleY(int designSize)
{
    return ScreenScale::Current().ScaleY(designSize);
}

QRect Scale(const QRect& design)
{
    return QRect(ScaleX(design.x()), ScaleY(design.y()), ScaleX(design.width()), ScaleY(design.height()));
}

QSize ScreenArea()
{
    const ScreenSize& screen = ScreenSize::Current();
    return QSize(screen.width, screen.height - 2 * ScaleY(kBarHeight));
}

}
