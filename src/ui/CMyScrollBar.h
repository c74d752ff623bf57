#pragma once

#include <QScrollBar>

// The grid's vertical scroll bar, counted in rows: a line is one row, a page
// the rows visible, the thumb follows as it is dragged, and the ends jump to
// the first and the last page.
class CMyScrollBar : public QScrollBar {
    Q_OBJECT

public:
    explicit CMyScrollBar(QWidget* parent);

    // Range 0 to the last first row, a page of `visibleRows`.
    void SetRows(int lastFirstRow, int visibleRows);
};
