#pragma once

#include "dialogs/CHandheldDialog.h"

class LimitedTextEdit;
class PhotoEmailWorkflow;

// "Photo E-Mail": what is sent (a photo's or the blog's link), the
// recipients with "To:" to add one from the address book, and a message
// that grows with the dialog; "Send" and "Cancel".
class CPhotoEmailDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CPhotoEmailDlg(PhotoEmailWorkflow& workflow, QWidget* parent = nullptr);

private:
    // "To:": with no address book, or when nothing is chosen, the field
    // stays as it was and nothing is said.
    void ChooseContact();
    QWidget* Field(int field) const;

    PhotoEmailWorkflow& m_workflow;
    LimitedTextEdit* m_recipients;
    LimitedTextEdit* m_message;
};
