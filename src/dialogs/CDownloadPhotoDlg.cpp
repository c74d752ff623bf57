#include "dialogs/CDownloadPhotoDlg.h"

#include "dialogs/QtText.h"

#include "workflows/DownloadPhotoWorkflow.h"

#include <QComboBox>
#include <QPushButton>

CDownloadPhotoDlg::CDownloadPhotoDlg(DownloadPhotoWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(DownloadPhotoWorkflow::kTitle, parent)
    , m_workflow(workflow)
{
    AddLabel(this, "Download this photo at:", { 6, 8, 228, 14 });
    m_size = AddDropDownList(this, { 6, 26, 110, 20 });
    m_size->setObjectName("sizeList");
    QStringList texts;
    for (const SizeList::Item& item : workflow.Sizes().items)
        texts << ToQString(item.text);
    FillList(m_size, texts, workflow.Sizes().selected);

    bool canDownloadNow = workflow.CanDownloadNow();
    auto* now = AddButton(this, "Now", { 10, 240, 72, 22 });
    now->setObjectName("nowButton");
    now->setEnabled(canDownloadNow);
    auto* nextSync = AddButton(this, "Next Sync", { 86, 240, 72, 22 });
    nextSync->setObjectName("nextSyncButton");
    nextSync->setDefault(!canDownloadNow);
    now->setDefault(canDownloadNow);
    auto* cancel = AddButton(this, "Cancel", { 162, 240, 72, 22 });
    cancel->setObjectName("cancelButton");
    for (QPushButton* button : { now, nextSync, cancel })
        Layout().Anchor(button);

    auto field = [this](int) { return m_size; };
    connect(now, &QPushButton::clicked, this, [this, field] { Finish(m_workflow.Now(ChosenItem(m_size)), field); });
    connect(nextSync, &QPushButton::clicked, this, [this, field] { Finish(m_workflow.NextSync(ChosenItem(m_size)), field); });
    connect(cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);
}
