#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

// The dialog layout rule. When a dialog is resized (the input panel comes
// up, the screen turns), each listed control keeps the distance it had in
// the template to the template's bottom edge, where a hidden reference
// control sits; the first listed control, a list or a multi-line field,
// keeps its top instead and grows or shrinks with the dialog. Controls not
// listed stay where they are. Some dialogs ignore resizes to a height at
// or below a threshold, keeping the layout of the last height above it.
class DialogLayout {
public:
    // The template's height in base pixels, where the reference sits.
    explicit DialogLayout(int designHeight);

    // The control that grows (at most one, listed before the others).
    void SetGrowing(QWidget* control);
    // A control that moves with the bottom edge.
    void Anchor(QWidget* control);
    // Heights (in base pixels) at or below this one leave the layout alone.
    void IgnoreHeightsUpTo(int designHeight) { m_ignoredHeight = designHeight; }

    // Lays the controls out for a dialog this many pixels high; false when
    // the height is one to ignore.
    bool Apply(int height);

private:
    struct Anchored {
        QPointer<QWidget> control;
        int distanceToBottom; // from the control's top
    };

    int m_referenceBottom;
    int m_ignoredHeight { -1 };
    QPointer<QWidget> m_growing;
    int m_growingBottomDistance { 0 };
    std::vector<Anchored> m_anchored;
};
