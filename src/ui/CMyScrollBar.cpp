#include "ui/CMyScrollBar.h"

CMyScrollBar::CMyScrollBar(QWidget* parent)
    : QScrollBar(Qt::Vertical, parent)
{
    setSingleStep(1);
    setTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void CMyScrollBar::SetRows(int lastFirstRow, int visibleRows)
{
    setRange(0, lastFirstRow);
    setPageStep(std::max(visibleRows, 1));
}
