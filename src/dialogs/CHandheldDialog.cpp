#include "dialogs/CHandheldDialog.h"

#include "dialogs/DialogControls.h"
#include "dialogs/DialogFonts.h"
#include "dialogs/DialogGeometry.h"
#include "dialogs/QtText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>

CHandheldDialog::CHandheldDialog(std::string_view title, QWidget* parent)
    : QDialog(parent)
    , m_layout(DialogGeometry::kDesignHeight)
{
    setWindowTitle(ToQString(title));
    setFont(DialogFont());
    setModal(true);
    resize(DialogGeometry::ScreenArea());
}

void CHandheldDialog::reject()
{
    done(DialogResults::Cancel);
}

void CHandheldDialog::accept()
{
    done(DialogResults::Ok);
}

CHandheldDialog::ButtonPair CHandheldDialog::AddButtonPair(std::string_view acceptText, std::string_view cancelText)
{
    ButtonPair pair;
    pair.accept = AddButton(this, acceptText, { 86, 240, 72, 22 });
    pair.accept->setObjectName("okButton");
    pair.accept->setDefault(true);
    pair.cancel = AddButton(this, cancelText, { 162, 240, 72, 22 });
    pair.cancel->setObjectName("cancelButton");
    m_layout.Anchor(pair.accept);
    m_layout.Anchor(pair.cancel);
    return pair;
}

void CHandheldDialog::FocusField(QWidget* control)
{
    if (!control)
        return;
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->selectAll();
    else if (auto* box = qobject_cast<QComboBox*>(control); box && box->lineEdit())
        box->lineEdit()->selectAll();
    else if (auto* text = qobject_cast<QPlainTextEdit*>(control))
        text->selectAll();
}

void CHandheldDialog::Finish(const DialogOutcome& outcome, const std::function<QWidget*(int field)>& field)
{
    if (outcome.closes) {
        done(outcome.result);
        return;
    }
    if (field && outcome.faultyField != DialogOutcome::kNoField)
        FocusField(field(outcome.faultyField));
}

void CHandheldDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    m_layout.Apply(event->size().height());
}
