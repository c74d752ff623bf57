#pragma once

#include "dialogs/CHandheldDialog.h"

class CaptionWorkflow;
class LimitedTextEdit;

// "Caption": an entry's caption to read, in a field that fills the dialog.
// OK, or releasing F6, closes it.
class CCaptionDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CCaptionDlg(const CaptionWorkflow& workflow, QWidget* parent = nullptr);

private:
    LimitedTextEdit* m_caption;
};
