#pragma once

#include "dialogs/CHandheldDialog.h"

class CategoryNameWorkflow;
class LimitedLineEdit;

// "Category": a category's name. After OK the workflow holds it.
class CCategoryNameDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CCategoryNameDlg(CategoryNameWorkflow& workflow, QWidget* parent = nullptr);

private:
    CategoryNameWorkflow& m_workflow;
    LimitedLineEdit* m_name;
};
