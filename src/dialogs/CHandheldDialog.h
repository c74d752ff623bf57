#pragma once

#include "dialogs/DialogControls.h"
#include "dialogs/DialogLayout.h"

#include "workflows/DialogOutcome.h"

#include <QDialog>
#include <functional>
#include <string_view>

class QPushButton;

// The base of every dialog: a modal dialog as large as the handheld's
// screen between its bars, in the handheld's dialog font, whose controls
// are placed at template rectangles (base pixels, DialogGeometry) and laid
// out again by the dialog layout rule when it is resized. It closes with
// the standard results (OK 1, Cancel 2, or a result of its own), whichever
// way it is closed.
//
// A dialog adds its controls in its constructor (DialogControls), names
// the controls of the layout rule (Layout()), and forwards each button to
// its workflow, handing the outcome to Finish().
class CHandheldDialog : public QDialog {
    Q_OBJECT

public:
    CHandheldDialog(std::string_view title, QWidget* parent);

    DialogLayout& Layout() { return m_layout; }

    // Escape and the window's close button cancel.
    void reject() override;
    void accept() override;

protected:
    // Places a control made by the dialog at a template rectangle.
    template<typename Control>
    Control* Place(Control* control, const QRect& design)
    {
        PlaceControl(control, design);
        return control;
    }

    // The two buttons at the bottom right that most dialogs end with, moving
    // with the bottom edge; the first is the default button. Neither is
    // connected: the dialog forwards them.
    struct ButtonPair {
        QPushButton* accept;
        QPushButton* cancel;
    };
    ButtonPair AddButtonPair(std::string_view acceptText = "OK", std::string_view cancelText = "Cancel");

    // Closes with the outcome's result, or, when the dialog stays, gives the
    // field at fault (found by `field`) the focus with its text selected.
    void Finish(const DialogOutcome& outcome, const std::function<QWidget*(int field)>& field = {});
    static void FocusField(QWidget* control);

    void resizeEvent(QResizeEvent* event) override;

private:
    DialogLayout m_layout;
};
