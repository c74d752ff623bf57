#include "ui/TransparentCopy.h"

#include "imaging/Dib.h"

#include <algorithm>

void CopyTransparent565(Dib& target, int x, int y, int width, int height, const Dib& source, int sourceX, int sourceY, ColorRef transparent)
{
    if (target.IsNull() || source.IsNull() || target.BitCount() != 16 || source.BitCount() != 16)
        return;
    // Clip against both bitmaps, moving both corners together.
    int left = std::max({ 0, -x, -sourceX });
    int top = std::max({ 0, -y, -sourceY });
    int right = std::min({ width, target.Width() - x, source.Width() - sourceX });
    int bottom = std::min({ height, target.Height() - y, source.Height() - sourceY });
    std::uint16_t key = ToRgb565(transparent);
    for (int row = top; row < bottom; ++row) {
        const std::uint16_t* from = source.Row16(sourceY + row) + sourceX;
        std::uint16_t* to = target.Row16(y + row) + x;
        for (int column = left; column < right; ++column) {
            if (from[column] != key)
                to[column] = from[column];
        }
    }
}
