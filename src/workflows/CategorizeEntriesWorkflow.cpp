#include "workflows/CategorizeEntriesWorkflow.h"

#include "app/Messages.h"
#include "model/CWinBlogStorage.h"

CategorizeEntriesWorkflow::CategorizeEntriesWorkflow(CWinBlogStorage& store)
    : m_store(store)
    , m_items(BlogCategoryItems(store))
{
}

std::optional<size_t> CategorizeEntriesWorkflow::FirstChoice() const
{
    if (m_items.empty())
        return std::nullopt;
    return 0;
}

DialogOutcome CategorizeEntriesWorkflow::Ok(std::optional<size_t> choice)
{
    if (!choice || *choice >= m_items.size())
        return DialogOutcome::Stay(kCategoryField);
    std::uint32_t target = m_items[*choice].id;
    // Every shown entry has that category already.
    if (target == m_store.GetCategoryFilter())
        return DialogOutcome::Close(DialogResults::Ok);

    // Changing an entry's category takes it out of the shown entries when a
    // category is filtered on, so the entries are gathered first.
    std::vector<BlogEntry*> shown;
    for (size_t i = 0; i < m_store.GetShownEntryCount(); ++i)
        shown.push_back(m_store.GetShownEntryAt(i));
    bool skipped = false;
    for (BlogEntry* entry : shown) {
        if (m_store.IsReadOnly(entry)) {
            skipped = true;
            continue;
        }
        if (entry->GetCategoryId() != target) {
            entry->SetCategoryId(target);
            entry->SetPending(true);
            ++m_changed;
        }
    }
    if (skipped)
        ShowStringMessage(kSomeNotCategorizedMessage, MessageIcon::Warning);
    return DialogOutcome::Close(DialogResults::Ok);
}
