#include "dialogs/DialogLayout.h"

#include "dialogs/DialogGeometry.h"

#include <algorithm>

DialogLayout::DialogLayout(int designHeight)
    : m_referenceBottom(DialogGeometry::ScaleY(designHeight))
{
}

void DialogLayout::SetGrowing(QWidget* control)
{
    m_growing = control;
    m_growingBottomDistance = m_referenceBottom - control->geometry().bottom() - 1;
}

void DialogLayout::Anchor(QWidget* control)
{
    m_anchored.push_back({ control, m_referenceBottom - control->y() });
}

bool DialogLayout::Apply(int height)
{
    if (m_ignoredHeight >= 0 && height <= DialogGeometry::ScaleY(m_ignoredHeight))
        return false;
    if (m_growing) {
        int grownHeight = std::max(0, height - m_growingBottomDistance - m_growing->y());
        m_growing->resize(m_growing->width(), grownHeight);
    }
    for (const Anchored& anchored : m_anchored) {
        if (anchored.control)
            anchored.control->move(anchored.control->x(), height - anchored.distanceToBottom);
    }
    return true;
}
