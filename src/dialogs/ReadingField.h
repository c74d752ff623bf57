#pragma once

#include <QRect>
#include <string>

class LimitedTextEdit;
class QDialog;
class QWidget;

// A text to read that fills its dialog: read-only, yet the caret moves
// through it; it starts at the beginning, scrolled into view, with the
// focus.
LimitedTextEdit* AddReadingField(QWidget* parent, const std::u16string& text, const QRect& design);

// The handheld's F6 key: releasing it anywhere in the dialog, the field
// included, acts as the dialog's OK.
void AcceptOnCloseKey(QDialog& dialog, QWidget& field);
