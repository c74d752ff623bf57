#include "dialogs/CChooseFontDlg.h"

#include "dialogs/QtText.h"

#include "workflows/ChooseFontWorkflow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QPushButton>

static QStringList Texts(const std::vector<std::u16string>& texts)
{
    QStringList list;
    for (const std::u16string& text : texts)
        list << ToQString(text);
    return list;
}

std::vector<std::u16string> CChooseFontDlg::DisplayFamilies()
{
    std::vector<std::u16string> families;
    for (const QString& family : QFontDatabase::families())
        families.push_back(family.toStdU16String());
    return families;
}

std::u16string CChooseFontDlg::DrawnFamily(const std::u16string& face)
{
    return QFontInfo(QFont(ToQString(face))).family().toStdU16String();
}

CChooseFontDlg::CChooseFontDlg(ChooseFontWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(ChooseFontWorkflow::kTitle, parent)
    , m_workflow(workflow)
{
    AddLabel(this, "Font name:", { 6, 8, 228, 14 });
    m_face = AddDropDownList(this, { 6, 26, 228, 20 }, true);
    m_face->setObjectName("faceList");
    AddLabel(this, "Size:", { 6, 54, 228, 14 });
    m_size = AddDropDownList(this, { 6, 72, 60, 20 }, true);
    m_size->setObjectName("sizeList");
    m_bold = AddCheckBox(this, "Bold", { 6, 102, 110, 16 });
    m_italic = AddCheckBox(this, "Italic", { 120, 102, 110, 16 });
    m_underline = AddCheckBox(this, "Underline", { 6, 124, 110, 16 });
    m_clearType = AddCheckBox(this, "Clear Type", { 120, 124, 110, 16 });

    workflow.SetFaceNames(DisplayFamilies());
    workflow.SetDrawnFace(DrawnFamily(workflow.GetFont().faceName));
    ChooseFontWorkflow::Controls opening = workflow.Opening();
    FillList(m_face, Texts(workflow.FaceNames()), std::nullopt);
    m_face->setCurrentText(ToQString(opening.faceName));
    FillList(m_size, Texts(workflow.Sizes()), std::nullopt);
    // A size that is not in the list shows as its number.
    m_size->setCurrentText(ToQString(opening.size));
    m_bold->setChecked(opening.bold);
    m_italic->setChecked(opening.italic);
    m_underline->setChecked(opening.underline);
    m_clearType->setChecked(opening.clearType);

    auto buttons = AddButtonPair();
    connect(buttons.accept, &QPushButton::clicked, this, &CChooseFontDlg::Ok);
    connect(buttons.cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);
}

void CChooseFontDlg::Ok()
{
    ChooseFontWorkflow::Controls controls;
    controls.faceName = m_face->currentText().toStdU16String();
    controls.size = m_size->currentText().toStdU16String();
    controls.bold = m_bold->isChecked();
    controls.italic = m_italic->isChecked();
    controls.underline = m_underline->isChecked();
    controls.clearType = m_clearType->isChecked();
    Finish(m_workflow.Ok(controls), [this](int field) { return field == ChooseFontWorkflow::kFaceField ? m_face : m_size; });
}
