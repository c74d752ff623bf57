#pragma once

#include "dialogs/CHandheldDialog.h"

class ChooseFontWorkflow;
class QCheckBox;
class QComboBox;

// "Choose Font": the main view's font from the fonts the desktop has. After
// OK the workflow holds the new record and the opener keeps it.
class CChooseFontDlg : public CHandheldDialog {
    Q_OBJECT

public:
    CChooseFontDlg(ChooseFontWorkflow& workflow, QWidget* parent = nullptr);

    // The font families of the display, which the dialog offers.
    static std::vector<std::u16string> DisplayFamilies();
    // The family the display draws for a face, which is another one when
    // the display lacks the face.
    static std::u16string DrawnFamily(const std::u16string& face);

private:
    void Ok();

    ChooseFontWorkflow& m_workflow;
    QComboBox* m_face;
    QComboBox* m_size;
    QCheckBox* m_bold;
    QCheckBox* m_italic;
    QCheckBox* m_underline;
    QCheckBox* m_clearType;
};
