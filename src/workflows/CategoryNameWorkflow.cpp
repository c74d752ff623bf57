#include "workflows/CategoryNameWorkflow.h"

#include "workflows/FieldLimits.h"

#include "app/Messages.h"
#include "model/LocalBlogStorage.h"
#include "platform/CodePage.h"
#include "platform/Path.h"

CategoryNameWorkflow::CategoryNameWorkflow(const LocalBlogStorage& store, const BlogAlbum* category)
    : m_store(store)
    , m_category(category)
{
}

std::u16string CategoryNameWorkflow::Opening() const
{
    return m_category ? m_category->GetNameText() : std::u16string();
}

DialogOutcome CategoryNameWorkflow::Ok(std::u16string_view name)
{
    if (!FitsFieldLimit(name, kNameLimit))
        return DialogOutcome::Stay(kNameField);
    // Category names are kept and compared in their 8-bit form.
    std::string stored = Utf16ToUtf8(name);
    m_name = name;
    if (m_category && stored == m_category->GetName())
        return DialogOutcome::Close(DialogResult::Cancel);
    if (m_category && EqualsIgnoringCase(stored, m_category->GetName()))
        return DialogOutcome::Close(DialogResult::Ok);
    if (m_store.FindCategoryByName(stored)) {
        ShowStringMessage(kNameTakenMessage, MessageIcon::Error);
        return DialogOutcome::Stay(kNameField);
    }
    return DialogOutcome::Close(DialogResult::Ok);
}
