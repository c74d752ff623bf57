#include "dialogs/CBlogPage.h"

#include "dialogs/DialogControls.h"
#include "dialogs/LimitedLineEdit.h"
#include "dialogs/QtText.h"

#include <QCheckBox>

CBlogPage::CBlogPage(BlogPageWorkflow& workflow, QWidget* parent)
    : QWidget(parent)
{
    AddLabel(this, "Blog URL:", { 6, 8, 228, 14 });
    AddLabel(this, "vellumbrixweb/", { 6, 27, 80, 14 });
    m_url = AddEdit(this, BlogPageWorkflow::kUrlLimit, { 86, 24, 148, 20 });
    m_url->setObjectName("urlField");
    AddLabel(this, "Title:", { 6, 52, 228, 14 });
    m_title = AddEdit(this, BlogPageWorkflow::kTitleLimit, { 6, 68, 228, 20 });
    m_title->setObjectName("titleField");
    AddLabel(this, "Subtitle:", { 6, 94, 228, 14 });
    m_subtitle = AddEdit(this, BlogPageWorkflow::kSubtitleLimit, { 6, 110, 228, 20 });
    m_subtitle->setObjectName("subtitleField");
    m_showOnWeb = AddCheckBox(this, "Show on VellumbrixWeb", { 6, 138, 228, 16 });
    m_showOnWeb->setObjectName("showOnWebBox");

    BlogPageWorkflow::Controls opening = workflow.Opening();
    m_url->SetText(ToQString(opening.url));
    m_title->SetText(ToQString(opening.title));
    m_subtitle->SetText(ToQString(opening.subtitle));
    m_showOnWeb->setChecked(opening.showOnWeb);
}

BlogPageWorkflow::Controls CBlogPage::ReadControls() const
{
    return { m_url->Text(), m_title->Text(), m_subtitle->Text(), m_showOnWeb->isChecked() };
}

QWidget* CBlogPage::Field(int field) const
{
    switch (field) {
    case BlogPageWorkflow::kUrlField:
        return m_url;
    case BlogPageWorkflow::kTitleField:
        return m_title;
    case BlogPageWorkflow::kSubtitleField:
        return m_subtitle;
    case BlogPageWorkflow::kShowOnWebField:
        return m_showOnWeb;
    }
    return nullptr;
}
