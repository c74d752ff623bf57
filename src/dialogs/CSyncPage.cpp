#include "dialogs/CSyncPage.h"

#include "dialogs/DialogControls.h"
#include "dialogs/LimitedLineEdit.h"
#include "dialogs/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRegularExpressionValidator>

static QStringList Texts(const SizeList& list)
{
    QStringList texts;
    for (const SizeList::Item& item : list.items)
        texts << ToQString(item.text);
    return texts;
}

CSyncPage::CSyncPage(SyncPageWorkflow& workflow, QWidget* parent)
    : CSyncPage(workflow.DownloadList(), workflow.UploadList(), workflow.Opening(), parent)
{
}

CSyncPage::CSyncPage(const SizeList& download, const SizeList& upload, const SyncPageWorkflow::Controls& opening, QWidget* parent)
    : QWidget(parent)
{
    AddLabel(this, "Download:", { 6, 10, 56, 14 });
    m_download = AddDropDownList(this, { 64, 7, 110, 20 });
    m_download->setObjectName("downloadList");
    m_limitEntries = AddCheckBox(this, "Limit handheld entries to most recent:", { 6, 36, 228, 16 });
    m_limitEntries->setObjectName("limitEntriesBox");
    m_entryLimit = AddEdit(this, SyncPageWorkflow::kEntryLimitDigits, { 24, 56, 48, 20 });
    m_entryLimit->setObjectName("entryLimitField");
    // A number field: only digits can be typed.
    m_entryLimit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), m_entryLimit));
    m_deleteAfterUpload = AddCheckBox(this, "Delete photos on handheld after upload", { 6, 84, 228, 16 });
    m_deleteAfterUpload->setObjectName("deleteAfterUploadBox");
    // The upload size is kept but not offered.
    m_uploadLabel = AddLabel(this, "Upload:", { 6, 110, 56, 14 });
    m_uploadLabel->hide();
    m_upload = AddDropDownList(this, { 64, 107, 110, 20 });
    m_upload->setObjectName("uploadList");
    m_upload->hide();

    FillList(m_download, Texts(download), opening.downloadChoice);
    FillList(m_upload, Texts(upload), opening.uploadChoice);
    m_limitEntries->setChecked(opening.limitEntries);
    m_entryLimit->SetText(ToQString(opening.entryLimit));
    m_deleteAfterUpload->setChecked(opening.deleteAfterUpload);
}

SyncPageWorkflow::Controls CSyncPage::ReadControls() const
{
    SyncPageWorkflow::Controls controls;
    controls.downloadChoice = ChosenItem(m_download);
    controls.uploadChoice = ChosenItem(m_upload);
    controls.limitEntries = m_limitEntries->isChecked();
    controls.entryLimit = m_entryLimit->Text();
    controls.deleteAfterUpload = m_deleteAfterUpload->isChecked();
    return controls;
}

QWidget* CSyncPage::Field(int field) const
{
    switch (field) {
    case SyncPageWorkflow::kDownloadField:
        return m_download;
    case SyncPageWorkflow::kUploadField:
        return m_upload;
    case SyncPageWorkflow::kLimitEntriesField:
        return m_limitEntries;
    case SyncPageWorkflow::kEntryLimitField:
        return m_entryLimit;
    case SyncPageWorkflow::kDeleteAfterUploadField:
        return m_deleteAfterUpload;
    }
    return nullptr;
}
