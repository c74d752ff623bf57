#pragma once

#include "dialogs/CHandheldDialog.h"

class CategorizeEntriesWorkflow;
class QComboBox;

// "Categorize Entries": one category for every entry the view shows.
class CCategorizeEntriesDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CCategorizeEntriesDlg(CategorizeEntriesWorkflow& workflow, QWidget* parent = nullptr);

private:
    CategorizeEntriesWorkflow& m_workflow;
    QComboBox* m_category;
};
