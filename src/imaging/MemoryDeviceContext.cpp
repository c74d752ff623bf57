#include "imaging/MemoryDeviceContext.h"

#include "imaging/Dib.h"
#include "imaging/PixelRow.h"

#include <algorithm>

void MemoryDeviceContext::CopyBitmap(int x, int y, int width, int height, const Dib& bitmap, int sourceX, int sourceY)
{
    if (m_target.IsNull() || bitmap.IsNull())
        return;
    // Clip against the source first, then the target, moving both corners.
    if (sourceX < 0) {
        x -= sourceX;
        width += sourceX;
        sourceX = 0;
    }
    if (sourceY < 0) {
        y -= sourceY;
        height += sourceY;
        sourceY = 0;
    }
    if (x < 0) {
        sourceX -= x;
        width += x;
        x = 0;
    }
    if (y < 0) {
        sourceY -= y;
        height += y;
        y = 0;
    }
    width = std::min({ width, bitmap.Width() - sourceX, m_target.Width() - x });
    height = std::min({ height, bitmap.Height() - sourceY, m_target.Height() - y });
    if (width <= 0 || height <= 0)
        return;

    int sourceBytes = bitmap.BitCount() / 8;
    int targetBytes = m_target.BitCount() / 8;
    for (int row = 0; row < height; ++row) {
        const uint8_t* from = bitmap.Row(sourceY + row) + sourceX * sourceBytes;
        uint8_t* to = m_target.Row(y + row) + x * targetBytes;
        ConvertPixelRow(from, bitmap.BitCount(), to, m_target.BitCount(), width);
    }
}
