#include "dialogs/AccountControls.h"

#include "dialogs/DialogControls.h"
#include "dialogs/LimitedLineEdit.h"
#include "dialogs/QtText.h"

#include <QLabel>

namespace {

constexpr int kLabelWidth = 62;
constexpr int kRowHeight = 20;

}

LimitedLineEdit* AddLabelledEdit(QWidget* parent, std::string_view label, size_t limit, int top, bool password)
{
    AddLabel(parent, label, { 6, top + 3, kLabelWidth, 14 });
    LimitedLineEdit* edit = AddEdit(parent, limit, { 6 + kLabelWidth, top, 228 - kLabelWidth, kRowHeight });
    if (password)
        edit->setEchoMode(QLineEdit::Password);
    return edit;
}

NewBlogFieldsPanel::NewBlogFieldsPanel(QWidget* parent)
    : QWidget(parent)
{
    AddLabel(this, NewBlogFields::kPrompt, { 6, 6, 228, 28 }, true);
    AddLabel(this, "Blog URL:", { 6, 40, 228, 14 });
    AddLabel(this, NewBlogFields::kSiteLabel, { 6, 61, 84, 14 });
    m_url = AddEdit(this, NewBlogFields::kUrlLimit, { 90, 58, 144, kRowHeight });
    m_url->setObjectName("urlField");
    m_title = AddLabelledEdit(this, "Title:", NewBlogFields::kTitleLimit, 86);
    m_title->setObjectName("titleField");
    m_subtitle = AddLabelledEdit(this, "Subtitle:", NewBlogFields::kSubtitleLimit, 112);
    m_subtitle->setObjectName("subtitleField");
}

NewBlogFields NewBlogFieldsPanel::Read() const
{
    return { m_url->Text(), m_title->Text(), m_subtitle->Text() };
}

void NewBlogFieldsPanel::Show(const NewBlogFields& fields)
{
    m_url->SetText(ToQString(fields.url));
    m_title->SetText(ToQString(fields.title));
    m_subtitle->SetText(ToQString(fields.subtitle));
}

QWidget* NewBlogFieldsPanel::Field(int field) const
{
    switch (field) {
    case NewBlogFields::kUrlField:
        return m_url;
    case NewBlogFields::kTitleField:
        return m_title;
    case NewBlogFields::kSubtitleField:
        return m_subtitle;
    }
    return nullptr;
}
