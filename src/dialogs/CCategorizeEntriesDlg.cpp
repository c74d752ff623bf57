#include "dialogs/CCategorizeEntriesDlg.h"

#include "dialogs/DialogControls.h"
#include "dialogs/QtText.h"

#include "workflows/CategorizeEntriesWorkflow.h"

#include <QComboBox>
#include <QPushButton>

CCategorizeEntriesDlg::CCategorizeEntriesDlg(CategorizeEntriesWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(CategorizeEntriesWorkflow::kTitle, parent)
    , m_workflow(workflow)
{
    AddLabel(this, CategorizeEntriesWorkflow::kPrompt, { 6, 8, 228, 28 }, true);
    m_category = AddDropDownList(this, { 6, 38, 228, 20 });
    m_category->setObjectName("categoryList");
    QStringList texts;
    for (const CategoryItem& item : workflow.CategoryList())
        texts << ToQString(item.text);
    FillList(m_category, texts, workflow.FirstChoice());

    auto buttons = AddButtonPair();
    connect(buttons.accept, &QPushButton::clicked, this, [this] {
        Finish(m_workflow.Ok(ChosenItem(m_category)), [this](int) { return m_category; });
    });
    connect(buttons.cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);
}
