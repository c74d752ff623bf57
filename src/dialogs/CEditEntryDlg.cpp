#include "dialogs/CEditEntryDlg.h"

#include "dialogs/CDeleteEntriesDlg.h"
#include "dialogs/CEditCategoriesDlg.h"
#include "dialogs/DialogControls.h"
#include "dialogs/LimitedLineEdit.h"
#include "dialogs/LimitedTextEdit.h"
#include "dialogs/QtText.h"
#include "dialogs/ThumbnailFrame.h"

#include "workflows/EditCategoriesWorkflow.h"

#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>
#include <QTimeEdit>

// The days the program's clock can hold: from 1904 into 2040.
static const QDate kFirstDay(1904, 1, 1);
static const QDate kLastDay(2040, 2, 6);

CEditEntryDlg::CEditEntryDlg(EditEntryWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(EditEntryWorkflow::kTitle, parent)
    , m_workflow(workflow)
{
    m_thumbnail = Place(new ThumbnailFrame(workflow.Thumbnail(), this), { 6, 6, 72, 72 });
    m_thumbnail->setObjectName("thumbnail");
    AddLabel(this, "Date:", { 82, 9, 50, 14 });
    m_date = new QDateEdit(this);
    m_date->setObjectName("datePicker");
    m_date->setCalendarPopup(true);
    m_date->setDisplayFormat("d MMM yyyy");
    m_date->setDateRange(kFirstDay, kLastDay);
    PlaceControl(m_date, { 132, 6, 102, 20 });
    AddLabel(this, "Time:", { 82, 33, 50, 14 });
    m_time = new QTimeEdit(this);
    m_time->setObjectName("timePicker");
    m_time->setDisplayFormat("HH:mm:ss");
    PlaceControl(m_time, { 132, 30, 102, 20 });
    AddLabel(this, "Category:", { 82, 57, 50, 14 });
    m_category = AddDropDownList(this, { 132, 54, 102, 20 });
    m_category->setObjectName("categoryList");
    AddLabel(this, "Title:", { 6, 87, 40, 14 });
    m_title = AddEdit(this, EditEntryWorkflow::kTitleLimit, { 46, 84, 188, 20 });
    m_title->setObjectName("titleField");
    AddLabel(this, "Caption:", { 6, 108, 228, 14 });
    m_caption = AddMultiLineEdit(this, EditEntryWorkflow::kCaptionLimit, { 6, 124, 228, 110 });
    m_caption->setObjectName("captionField");

    auto* remove = AddButton(this, "Delete...", { 6, 240, 54, 22 });
    m_sync = AddButton(this, "Sync", { 64, 240, 54, 22 });
    m_sync->setObjectName("syncButton");
    auto* ok = AddButton(this, "OK", { 122, 240, 54, 22 });
    ok->setObjectName("okButton");
    ok->setDefault(true);
    auto* cancel = AddButton(this, "Cancel", { 180, 240, 54, 22 });
    cancel->setObjectName("cancelButton");
    Layout().SetGrowing(m_caption);
    for (QWidget* button : { static_cast<QWidget*>(remove), static_cast<QWidget*>(m_sync), static_cast<QWidget*>(ok), static_cast<QWidget*>(cancel) })
        Layout().Anchor(button);
    Layout().IgnoreHeightsUpTo(EditEntryWorkflow::kLowestLaidOutHeight);

    m_sync->setEnabled(workflow.GetSyncButton() == EditEntryWorkflow::SyncButton::Enabled);
    m_sync->setVisible(workflow.GetSyncButton() != EditEntryWorkflow::SyncButton::Hidden);

    connect(remove, &QPushButton::clicked, this, &CEditEntryDlg::Delete);
    connect(m_sync, &QPushButton::clicked, this, [this] { Finish(m_workflow.Sync(ReadControls()), [this](int field) { return Field(field); }); });
    connect(ok, &QPushButton::clicked, this, [this] { Finish(m_workflow.Ok(ReadControls()), [this](int field) { return Field(field); }); });
    connect(cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);
    connect(m_category, &QComboBox::activated, this, &CEditEntryDlg::CategoryChosen);

    FillCategories();
    ShowControls(workflow.Opening());
    m_title->selectAll();
    m_title->setFocus();
}

void CEditEntryDlg::FillCategories()
{
    QStringList texts;
    for (const EditEntryWorkflow::ListItem& item : m_workflow.CategoryList())
        texts << ToQString(item.text);
    FillList(m_category, texts, std::nullopt);
}

static QDate ToQDate(const WallClock& clock)
{
    return QDate(clock.year, clock.month, clock.day);
}

static QTime ToQTime(const WallClock& clock)
{
    return QTime(clock.hour, clock.minute, clock.second);
}

void CEditEntryDlg::ShowControls(const EditEntryWorkflow::Controls& controls)
{
    m_date->setDate(ToQDate(controls.date));
    m_time->setTime(ToQTime(controls.time));
    m_category->setCurrentIndex(controls.category ? static_cast<int>(*controls.category) : -1);
    m_title->SetText(ToQString(controls.title));
    m_caption->SetText(controls.caption);
}

EditEntryWorkflow::Controls CEditEntryDlg::ReadControls() const
{
    EditEntryWorkflow::Controls controls;
    QDate date = m_date->date();
    QTime time = m_time->time();
    controls.date = { date.year(), date.month(), date.day(), 0, 0, 0 };
    controls.time = { date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second() };
    controls.category = ChosenItem(m_category);
    controls.title = m_title->Text();
    controls.caption = m_caption->Text();
    return controls;
}

QWidget* CEditEntryDlg::Field(int field) const
{
    switch (field) {
    case EditEntryWorkflow::kDateField:
        return m_date;
    case EditEntryWorkflow::kTimeField:
        return m_time;
    case EditEntryWorkflow::kCategoryField:
        return m_category;
    case EditEntryWorkflow::kTitleField:
        return m_title;
    case EditEntryWorkflow::kCaptionField:
        return m_caption;
    }
    return nullptr;
}

void CEditEntryDlg::CategoryChosen(int index)
{
    if (index < 0 || !m_workflow.OpensCategoryEditor(static_cast<size_t>(index)))
        return;
    EditEntryWorkflow::Controls typed = ReadControls();
    EditCategoriesWorkflow editor(m_workflow.GetStore());
    CEditCategoriesDlg dialog(editor, this);
    (void)dialog.exec();
    EditEntryWorkflow::Controls controls = m_workflow.CategoriesEdited(typed);
    FillCategories();
    ShowControls(controls);
}

void CEditEntryDlg::Delete()
{
    DeleteEntriesWorkflow deletion = m_workflow.DeleteDialog();
    CDeleteEntriesDlg dialog(deletion, this);
    if (dialog.exec() == DialogResults::Cancel)
        return;
    Finish(m_workflow.Delete(deletion.Choices()));
}
