#include "dialogs/CMovePhotosDlg.h"

#include "dialogs/QtText.h"

#include "workflows/MovePhotosWorkflow.h"

#include <QComboBox>
#include <QPushButton>

CMovePhotosDlg::CMovePhotosDlg(MovePhotosWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(MovePhotosWorkflow::kTitle, parent)
    , m_workflow(workflow)
{
    AddLabel(this, MovePhotosWorkflow::kSourcePrompt, { 6, 8, 228, 14 });
    m_source = AddDropDownList(this, { 6, 26, 228, 20 });
    m_source->setObjectName("sourceList");
    AddLabel(this, MovePhotosWorkflow::kDestinationPrompt, { 6, 54, 228, 14 });
    m_destination = AddDropDownList(this, { 6, 72, 228, 20 });
    m_destination->setObjectName("destinationList");
    QStringList names;
    for (const std::u16string& name : workflow.LocationNames())
        names << ToQString(name);
    FillList(m_source, names, workflow.InitialSource());
    FillList(m_destination, names, workflow.InitialDestination());

    auto buttons = AddButtonPair();
    connect(buttons.accept, &QPushButton::clicked, this, [this] {
        Finish(m_workflow.Ok(ChosenItem(m_source), ChosenItem(m_destination)), [this](int field) {
            return field == MovePhotosWorkflow::kSourceField ? m_source : m_destination;
        });
    });
    connect(buttons.cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);
}
