#include "workflows/BlogPageWorkflow.h"

#include "workflows/BlogUrlRule.h"
#include "workflows/FieldLimits.h"

#include "app/Messages.h"
#include "model/CWinBlogStorage.h"
#include "platform/CodePage.h"

BlogPageWorkflow::BlogPageWorkflow(CWinBlogStorage& store)
    : m_store(store)
{
}

BlogPageWorkflow::Controls BlogPageWorkflow::Opening() const
{
    const CBlogInfo& info = m_store.GetBlogInfo();
    return { info.GetUrlNameText(), info.GetTitleText(), info.GetSubtitleText(), info.GetHidden() == 0 };
}

DialogOutcome BlogPageWorkflow::ReadBack(const Controls& controls)
{
    if (!FitsFieldLimit(controls.url, kUrlLimit))
        return DialogOutcome::Stay(kUrlField);
    if (!FitsFieldLimit(controls.title, kTitleLimit))
        return DialogOutcome::Stay(kTitleField);
    if (!FitsFieldLimit(controls.subtitle, kSubtitleLimit))
        return DialogOutcome::Stay(kSubtitleField);
    if (!IsValidBlogUrl(controls.url)) {
        // A plain message on the device; the closest box here is an
        // information box.
        ShowStringMessage(kInvalidBlogUrlMessage, MessageIcon::Information);
        return DialogOutcome::Stay(kUrlField);
    }
    m_read = controls;
    return DialogOutcome::Close(DialogResults::Ok);
}

void BlogPageWorkflow::Apply()
{
    if (!m_read)
        return;
    CBlogInfo& info = m_store.GetBlogInfo();
    bool changed = false;
    // Compared as the controls hold them, so that a text whose stored bytes
    // are not clean UTF-8 does not count as changed merely by being shown.
    if (m_read->url != info.GetUrlNameText()) {
        info.SetUrlName(Utf16ToUtf8(m_read->url));
        changed = true;
    }
    if (m_read->title != info.GetTitleText()) {
        info.SetTitleText(m_read->title);
        changed = true;
    }
    if (m_read->subtitle != info.GetSubtitleText()) {
        info.SetSubtitleText(m_read->subtitle);
        changed = true;
    }
    std::uint16_t hidden = m_read->showOnWeb ? 0 : 1;
    if ((info.GetHidden() != 0) != (hidden != 0)) {
        info.SetHidden(hidden);
        changed = true;
    }
    if (changed)
        info.SetSettingsModified(true);
}
