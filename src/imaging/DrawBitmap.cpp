#include "imaging/DrawBitmap.h"

#include "imaging/DeviceContext.h"
#include "imaging/Dib.h"

void DrawBitmap(DeviceContext& context, const Rect& rect, const Dib& bitmap, bool centre)
{
    if (bitmap.IsNull())
        return;
    if (!centre) {
        context.CopyBitmap(rect.left, rect.top, rect.Width(), rect.Height(), bitmap, 0, 0);
        return;
    }
    int x = rect.left + (rect.Width() - bitmap.Width()) / 2;
    int y = rect.top + (rect.Height() - bitmap.Height()) / 2;
    context.CopyBitmap(x, y, bitmap.Width(), bitmap.Height(), bitmap, 0, 0);
}
