#include "dialogs/DialogControls.h"

#include "dialogs/DialogGeometry.h"
#include "dialogs/DialogHeading.h"
#include "dialogs/LimitedLineEdit.h"
#include "dialogs/LimitedTextEdit.h"
#include "dialogs/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

void PlaceControl(QWidget* control, const QRect& design)
{
    control->setGeometry(DialogGeometry::Scale(design));
}

template<typename Control>
static Control* Placed(Control* control, const QRect& design)
{
    PlaceControl(control, design);
    return control;
}

QLabel* AddLabel(QWidget* parent, std::string_view text, const QRect& design, bool wrap)
{
    auto* label = Placed(new QLabel(ToQString(text), parent), design);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | (wrap ? Qt::AlignTop : Qt::AlignVCenter));
    return label;
}

DialogHeading* AddHeading(QWidget* parent, std::string_view text, const QRect& design, bool withRule)
{
    return Placed(new DialogHeading(ToQString(text), withRule, parent), design);
}

LimitedLineEdit* AddEdit(QWidget* parent, size_t limit, const QRect& design)
{
    return Placed(new LimitedLineEdit(limit, parent), design);
}

LimitedTextEdit* AddMultiLineEdit(QWidget* parent, size_t limit, const QRect& design)
{
    return Placed(new LimitedTextEdit(limit, parent), design);
}

QCheckBox* AddCheckBox(QWidget* parent, std::string_view text, const QRect& design)
{
    return Placed(new QCheckBox(ToQString(text), parent), design);
}

QComboBox* AddDropDownList(QWidget* parent, const QRect& design, bool editable)
{
    auto* list = Placed(new QComboBox(parent), design);
    list->setEditable(editable);
    if (editable)
        list->setInsertPolicy(QComboBox::NoInsert);
    return list;
}

QPushButton* AddButton(QWidget* parent, std::string_view text, const QRect& design)
{
    auto* button = Placed(new QPushButton(ToQString(text), parent), design);
    button->setAutoDefault(false);
    return button;
}

void FillList(QComboBox* list, const QStringList& texts, std::optional<size_t> chosen)
{
    list->clear();
    list->addItems(texts);
    list->setCurrentIndex(chosen && *chosen < static_cast<size_t>(texts.size()) ? static_cast<int>(*chosen) : -1);
}

std::optional<size_t> ChosenItem(const QComboBox* list)
{
    if (list->currentIndex() < 0)
        return std::nullopt;
    return static_cast<size_t>(list->currentIndex());
}

std::optional<size_t> SelectedRow(const QListWidget* list)
{
    QListWidgetItem* item = list->currentItem();
    if (!item || !item->isSelected())
        return std::nullopt;
    return static_cast<size_t>(list->row(item));
}
