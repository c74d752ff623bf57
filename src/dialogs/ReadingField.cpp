#include "dialogs/ReadingField.h"

#include "dialogs/DialogControls.h"
#include "dialogs/LimitedTextEdit.h"

#include <QDialog>
#include <QKeyEvent>

namespace {

constexpr int kCloseKey = Qt::Key_F6;

class CloseKeyFilter : public QObject {
public:
    explicit CloseKeyFilter(QDialog& dialog)
        : QObject(&dialog)
        , m_dialog(dialog)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == kCloseKey) {
            m_dialog.accept();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QDialog& m_dialog;
};

}

LimitedTextEdit* AddReadingField(QWidget* parent, const std::u16string& text, const QRect& design)
{
    LimitedTextEdit* field = AddMultiLineEdit(parent, text.size(), design);
    field->setReadOnly(true);
    field->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    field->SetText(text);
    QTextCursor start = field->textCursor();
    start.setPosition(0);
    field->setTextCursor(start);
    field->ensureCursorVisible();
    field->setFocus();
    return field;
}

void AcceptOnCloseKey(QDialog& dialog, QWidget& field)
{
    auto* filter = new CloseKeyFilter(dialog);
    dialog.installEventFilter(filter);
    field.installEventFilter(filter);
}
