#pragma once

#include <QImage>
#include <QString>

class QWidget;

// A picture of a dialog as the handheld would show it, for reviewers and
// tests: the navigation bar with the dialog's title above the dialog
// itself, at the emulated screen's pixel size. The dialog is shown (without
// running its event loop) if it is not yet.
QImage DialogScreenshot(QWidget& dialog);
// The same saved as a PNG file; false when it cannot be written.
bool SaveDialogScreenshot(QWidget& dialog, const QString& path);
