#include "dialogs/CSubscribeDlg.h"

#include "dialogs/CSyncPage.h"
#include "dialogs/DialogControls.h"
#include "dialogs/LimitedLineEdit.h"
#include "dialogs/QtText.h"

#include "workflows/SubscribeWorkflow.h"

#include <QPushButton>

CSubscribeDlg::CSubscribeDlg(SubscribeWorkflow& workflow, QWidget* parent)
    : CHandheldDialog(SubscribeWorkflow::kTitle, parent)
    , m_workflow(workflow)
{
    QWidget* urlPage = Place(new QWidget(this), { 0, 0, 240, 140 });
    AddLabel(urlPage, SubscribeWorkflow::kUrlPrompt, { 6, 6, 228, 28 }, true);
    AddLabel(urlPage, "Blog URL:", { 6, 40, 228, 14 });
    AddLabel(urlPage, SubscribeWorkflow::kSiteLabel, { 6, 61, 84, 14 });
    m_url = AddEdit(urlPage, SubscribeWorkflow::kUrlLimit, { 90, 58, 144, 20 });
    m_url->setObjectName("urlField");
    QPushButton* browse = AddButton(urlPage, SubscribeWorkflow::kBrowseButton, { 162, 86, 72, 22 });
    browse->setObjectName("browseButton");

    // The settings take the top of the dialog on their page.
    QWidget* settingsPage = Place(new QWidget(this), { 0, 0, 240, 150 });
    AddLabel(settingsPage, SubscribeWorkflow::kSettingsPrompt, { 6, 6, 228, 14 });
    m_settings = Place(new CSyncPage(workflow.DownloadList(), workflow.UploadList(), workflow.OpeningSettings(), settingsPage),
        { 0, 22, 240, 128 });
    m_pages = { urlPage, settingsPage };

    auto buttons = AddButtonPair("Next", "Cancel");
    m_next = buttons.accept;
    connect(m_next, &QPushButton::clicked, this, &CSubscribeDlg::Next);
    connect(buttons.cancel, &QPushButton::clicked, this, &CHandheldDialog::reject);
    connect(browse, &QPushButton::clicked, this, &CSubscribeDlg::Browse);
    ShowPage(workflow.GetPage());
    FocusField(m_url);
}

void CSubscribeDlg::ShowPage(int page)
{
    m_shownPage = page;
    for (size_t i = 0; i < m_pages.size(); ++i)
        m_pages[i]->setVisible(static_cast<int>(i) == page);
    m_next->setText(ToQString(m_workflow.NextButtonText()));
}

void CSubscribeDlg::Next()
{
    DialogOutcome outcome = m_workflow.Next(m_url->Text(), m_settings->ReadControls());
    if (!outcome.closes)
        ShowPage(m_workflow.GetPage());
    Finish(outcome, [this](int field) { return Field(field); });
}

void CSubscribeDlg::Browse()
{
    if (auto url = m_workflow.Browse())
        m_url->SetText(ToQString(*url));
}

QWidget* CSubscribeDlg::Field(int field) const
{
    if (field == SubscribeWorkflow::kUrlField)
        return m_url;
    return m_settings->Field(field - SubscribeWorkflow::kFirstSettingsField);
}
