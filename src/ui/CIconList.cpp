#include "ui/CIconList.h"

#include "ui/PaintContext.h"

void CIconList::Draw(PaintContext& context, int index, int x, int y) const
{
    if (index < 0 || index >= GetCount())
        return;
    context.CopyBitmapTransparent(x, y, m_iconSize, m_iconSize, m_strip, index * m_iconSize, 0, m_transparent);
}
