#pragma once

#include "dialogs/CHandheldDialog.h"

// "About Vellumbrix": the program's icon and its version, in the heading
// font, with a line about what it is.
class CAboutDlg : public CHandheldDialog {
    Q_OBJECT

public:
    static constexpr std::string_view kTitle = "About Vellumbrix";

    explicit CAboutDlg(QWidget* parent = nullptr);
};
