#include "workflows/EditEntryWorkflow.h"

#include "workflows/FieldLimits.h"
#include "workflows/NetworkOperations.h"
#include "workflows/NetworkStep.h"

#include "app/Messages.h"
#include "model/CWinBlogStorage.h"
#include "platform/CodePage.h"

EditEntryWorkflow::EditEntryWorkflow(CWinBlogUser& user, CWinBlogStorage& store, BlogEntry& entry, bool notOnWeb, NetworkOperations* network)
    : m_user(user)
    , m_store(store)
    , m_entry(entry)
    , m_network(network)
    , m_notOnWeb(notOnWeb)
    , m_readOnly(store.IsReadOnly(&entry))
{
    FillCategoryList();
}

void EditEntryWorkflow::FillCategoryList()
{
    m_items.clear();
    for (CategoryItem& item : BlogCategoryItems(m_store))
        m_items.push_back({ std::move(item.text), item.id, false });
    if (!m_readOnly)
        m_items.push_back({ Utf8ToUtf16(LoadString(kEditCategoriesText)), BlogIds::Unfiled, true });
}

std::optional<size_t> EditEntryWorkflow::StoredCategoryItem() const
{
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].id == m_entry.GetCategoryId())
            return i;
    }
    return std::nullopt;
}

EditEntryWorkflow::SyncButton EditEntryWorkflow::GetSyncButton() const
{
    if (m_readOnly)
        return SyncButton::Hidden;
    return m_network ? SyncButton::Enabled : SyncButton::Disabled;
}

std::span<const std::uint8_t> EditEntryWorkflow::Thumbnail() const
{
    return m_entry.GetThumbnail();
}

EditEntryWorkflow::Controls EditEntryWorkflow::Opening() const
{
    WallClock date = WallClockFromProgramTime(m_entry.GetPostDate());
    return { date, date, StoredCategoryItem(), m_entry.GetTitleText(), m_entry.GetCaptionText() };
}

// The date of the date picker with the time of day of the time picker;
// none for a day the program's clock cannot hold.
static std::optional<ProgramTime> CombinedDate(const EditEntryWorkflow::Controls& controls)
{
    WallClock combined { controls.date.year, controls.date.month, controls.date.day,
        controls.time.hour, controls.time.minute, controls.time.second };
    ProgramTime time = 0;
    if (!ProgramTimeFromWallClock(combined, time))
        return std::nullopt;
    return time;
}

DialogOutcome EditEntryWorkflow::Ok(const Controls& controls)
{
    if (!FitsFieldLimit(controls.title, kTitleLimit))
        return DialogOutcome::Stay(kTitleField);
    if (!FitsFieldLimit(controls.caption, kCaptionLimit))
        return DialogOutcome::Stay(kCaptionField);

    bool changed = false;
    auto date = CombinedDate(controls);
    if (date && *date != m_entry.GetPostDate()) {
        if (!m_readOnly)
            m_store.SetEntryPostDate(m_entry, *date);
        changed = true;
    }
    // Compared as the controls hold them, so that a text whose stored bytes
    // are not clean UTF-8 does not count as changed merely by being shown.
    if (controls.title != m_entry.GetTitleText()) {
        if (!m_readOnly)
            m_entry.SetTitleText(controls.title);
        changed = true;
    }
    if (controls.caption != m_entry.GetCaptionText()) {
        if (!m_readOnly)
            m_entry.SetCaptionText(controls.caption);
        changed = true;
    }
    // No choice, or the editor's item, leaves the category as it is.
    if (controls.category && *controls.category < m_items.size() && !m_items[*controls.category].editsCategories) {
        std::uint32_t category = m_items[*controls.category].id;
        if (category != m_entry.GetCategoryId()) {
            if (!m_readOnly)
                m_entry.SetCategoryId(category);
            changed = true;
        }
    }

    if (changed && m_readOnly) {
        // Without a login or write access nothing of the blog may change;
        // otherwise the entry is another member's, on a group blog.
        bool blogNotEditable = m_store.GetUserId() == 0 || !m_store.GetBlogInfo().CanAddPhotos();
        ShowStringMessage(blogNotEditable ? kBlogNotEditableMessage : kEntryNotEditableMessage, MessageIcon::Warning);
    } else if (changed) {
        m_entry.SetPending(true);
        // The store reports a failed save itself (message 6002).
        (void)m_store.Save();
    }
    return DialogOutcome::Close(DialogResults::Ok);
}

DialogOutcome EditEntryWorkflow::Sync(const Controls& controls)
{
    DialogOutcome applied = Ok(controls);
    if (applied.closes && !m_readOnly && m_network && m_entry.IsPending())
        SendEntry();
    return applied;
}

// The changes were saved before the send, so a send that does not get
// through loses nothing: the entry stays pending and goes with the next
// sync.
void EditEntryWorkflow::SendEntry()
{
    RunConnected(
        [&](ProgressWindow& progress) {
            // The sync shows its own failures and the cancel; a blog that
            // synced is saved, as after the view's sync of the blog.
            if (m_network->SyncBlog(m_store, m_user, &m_entry, progress) == Error::Success)
                (void)m_store.Save(); // a failed save has been reported (message 6002)
        },
        m_store.GetBlogInfo().GetUrlName());
}

DeleteEntriesWorkflow EditEntryWorkflow::DeleteDialog() const
{
    return DeleteEntriesWorkflow(true, m_readOnly, m_notOnWeb);
}

DialogOutcome EditEntryWorkflow::Delete(DeleteChoices choices)
{
    DeleteEntriesWorkflow::DeleteEntry(m_store, m_entry, choices);
    return DialogOutcome::Close(DialogResults::EntryDeleted);
}

bool EditEntryWorkflow::OpensCategoryEditor(std::optional<size_t> item) const
{
    return item && *item < m_items.size() && m_items[*item].editsCategories;
}

EditEntryWorkflow::Controls EditEntryWorkflow::CategoriesEdited(const Controls& typed)
{
    FillCategoryList();
    if (m_categoriesChanged)
        m_categoriesChanged();
    Controls controls = typed;
    controls.category = StoredCategoryItem();
    return controls;
}
