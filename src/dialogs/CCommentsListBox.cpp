#include "dialogs/CCommentsListBox.h"

#include "dialogs/QtText.h"

#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr int kWholeTextRole = Qt::UserRole;
constexpr int kTextFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;

// The list's own line breaks are CR LF; Qt breaks lines at LF alone.
QString Shown(const std::string& text)
{
    QString shown = ToQString(text);
    shown.remove(QLatin1Char('\r'));
    return shown;
}

class CommentDelegate : public QStyledItemDelegate {
public:
    explicit CommentDelegate(QListWidget& list)
        : QStyledItemDelegate(&list)
        , m_list(list)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        int width = m_list.viewport()->width();
        QRect room(0, 0, std::max(1, width - 2 * CCommentsListBox::kTextMargin), 1 << 20);
        QRect used = option.fontMetrics.boundingRect(room, kTextFlags, index.data(Qt::DisplayRole).toString());
        return QSize(width, used.height() + 2 * CCommentsListBox::kTextMargin);
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = option.palette;
        painter->save();
        painter->fillRect(option.rect, selected ? palette.highlight().color() : QColor(Qt::white));
        painter->setPen(selected ? palette.highlightedText().color() : palette.text().color());
        painter->setFont(option.font);
        QRect text = option.rect.adjusted(CCommentsListBox::kTextMargin, CCommentsListBox::kTextMargin, -CCommentsListBox::kTextMargin,
            -CCommentsListBox::kTextMargin);
        painter->drawText(text, kTextFlags, index.data(kWholeTextRole).toString());
        painter->restore();
    }

private:
    QListWidget& m_list;
};

}

CCommentsListBox::CCommentsListBox(QWidget* parent)
    : QListWidget(parent)
{
    setItemDelegate(new CommentDelegate(*this));
    setUniformItemSizes(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void CCommentsListBox::AddComment(const std::string& text, const std::string& wholeText)
{
    auto* item = new QListWidgetItem(Shown(text), this);
    item->setData(kWholeTextRole, Shown(wholeText));
}

// The items' heights follow the list's width.
void CCommentsListBox::resizeEvent(QResizeEvent* event)
{
    QListWidget::resizeEvent(event);
    scheduleDelayedItemsLayout();
}
