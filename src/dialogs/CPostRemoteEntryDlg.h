#pragma once

#include "dialogs/CHandheldDialog.h"

#include "workflows/PostRemoteEntryWorkflow.h"

class LimitedLineEdit;
class LimitedTextEdit;
class QComboBox;

// "Post Remote Entry": the remote blog to post to, a title and the post's
// text, which grows with the dialog; "Publish" and "Cancel".
class CPostRemoteEntryDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CPostRemoteEntryDlg(PostRemoteEntryWorkflow& workflow, QWidget* parent = nullptr);

private:
    PostRemoteEntryWorkflow::Controls ReadControls() const;
    QWidget* Field(int field) const;

    PostRemoteEntryWorkflow& m_workflow;
    QComboBox* m_remoteBlog;
    LimitedLineEdit* m_title;
    LimitedTextEdit* m_text;
};
