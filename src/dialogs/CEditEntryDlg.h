#pragma once

#include "dialogs/CHandheldDialog.h"

#include "workflows/EditEntryWorkflow.h"

class LimitedLineEdit;
class LimitedTextEdit;
class QComboBox;
class QDateEdit;
class QPushButton;
class QTimeEdit;
class ThumbnailFrame;

// "Edit Entry": the entry's thumbnail, date and time, category, title and
// caption, with "Delete..." and "Sync" (which stores the entry on the web
// before closing with OK). It closes with OK, Cancel or
// DialogResults::EntryDeleted. The category list's "Edit Categories..."
// opens the category editor and keeps what was typed meanwhile.
class CEditEntryDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CEditEntryDlg(EditEntryWorkflow& workflow, QWidget* parent = nullptr);

private:
    void FillCategories();
    void ShowControls(const EditEntryWorkflow::Controls& controls);
    EditEntryWorkflow::Controls ReadControls() const;
    QWidget* Field(int field) const;
    void CategoryChosen(int index);
    void Delete();

    EditEntryWorkflow& m_workflow;
    ThumbnailFrame* m_thumbnail;
    QDateEdit* m_date;
    QTimeEdit* m_time;
    QComboBox* m_category;
    LimitedLineEdit* m_title;
    LimitedTextEdit* m_caption;
    QPushButton* m_sync;
};
