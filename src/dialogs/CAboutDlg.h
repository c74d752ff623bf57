#pragma once

#include "dialogs/CHandheldDialog.h"

class AboutWorkflow;

// "About Vellumbrix": the program's icon and its version, in the heading
// font, with a line about what it is.
class CAboutDlg : public CHandheldDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(const AboutWorkflow& workflow, QWidget* parent = nullptr);
};
