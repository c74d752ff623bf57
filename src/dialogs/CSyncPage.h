#pragma once

#include "workflows/SyncPageWorkflow.h"

#include <QWidget>

class LimitedLineEdit;
class QCheckBox;
class QComboBox;
class QLabel;

// The "Synching" page of the blog preferences: the download and upload
// sizes (the upload list is hidden, its value kept), the entry limit and
// deleting photos after upload.
class CSyncPage : public QWidget {
    Q_OBJECT

public:
    CSyncPage(SyncPageWorkflow& workflow, QWidget* parent);
    // The same controls for a blog that has no store yet (subscribing):
    // the lists and what the controls show at first.
    CSyncPage(const SizeList& download, const SizeList& upload, const SyncPageWorkflow::Controls& opening, QWidget* parent);

    SyncPageWorkflow::Controls ReadControls() const;
    QWidget* Field(int field) const;

private:
    QComboBox* m_download;
    QLabel* m_uploadLabel;
    QComboBox* m_upload;
    QCheckBox* m_limitEntries;
    LimitedLineEdit* m_entryLimit;
    QCheckBox* m_deleteAfterUpload;
};
