#pragma once

#include <QRect>
#include <QStringList>
#include <optional>
#include <string_view>

class DialogHeading;
class LimitedLineEdit;
class LimitedTextEdit;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

// The controls of dialog templates, each made on its parent (a dialog or a
// page of a sheet) at a template rectangle in base pixels (DialogGeometry).

// Moves a control to a template rectangle.
void PlaceControl(QWidget* control, const QRect& design);

QLabel* AddLabel(QWidget* parent, std::string_view text, const QRect& design, bool wrap = false);
DialogHeading* AddHeading(QWidget* parent, std::string_view text, const QRect& design, bool withRule);
LimitedLineEdit* AddEdit(QWidget* parent, size_t limit, const QRect& design);
LimitedTextEdit* AddMultiLineEdit(QWidget* parent, size_t limit, const QRect& design);
QCheckBox* AddCheckBox(QWidget* parent, std::string_view text, const QRect& design);
// A drop-down list; with `editable`, a drop-down whose field can be typed in.
QComboBox* AddDropDownList(QWidget* parent, const QRect& design, bool editable = false);
QPushButton* AddButton(QWidget* parent, std::string_view text, const QRect& design);

// Fills a list with texts in their order and chooses one (none: nothing
// chosen); the position in the list is what the workflows take.
void FillList(QComboBox* list, const QStringList& texts, std::optional<size_t> chosen);
// The chosen position, none when nothing is chosen.
std::optional<size_t> ChosenItem(const QComboBox* list);
// The row of a list's selected item, none when no item is selected.
std::optional<size_t> SelectedRow(const QListWidget* list);
