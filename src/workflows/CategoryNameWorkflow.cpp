#include "workflows/CategoryNameWorkflow.h"

#include "workflows/FieldLimits.h"

#include "app/Messages.h"
#include "model/CWinBlogStorage.h"
#include "platform/CodePage.h"
#include "platform/Path.h"

CategoryNameWorkflow::CategoryNameWorkflow(CWinBlogStorage& store, BlogAlbum* category)
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
    m_name = stored;
    if (m_category && stored == m_category->GetName())
        return DialogOutcome::Close(DialogResults::Cancel);
    if (m_category && EqualsIgnoringCase(stored, m_category->GetName()))
        return DialogOutcome::Close(DialogResults::Ok);
    if (m_store.FindCategoryByName(stored)) {
        ShowStringMessage(kNameTakenMessage, MessageIcon::Error);
        return DialogOutcome::Stay(kNameField);
    }
    return DialogOutcome::Close(DialogResults::Ok);
}
