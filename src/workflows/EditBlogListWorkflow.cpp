#include "workflows/EditBlogListWorkflow.h"

#include "workflows/BlogPrefsWorkflow.h"
#include "workflows/ConfirmDeleteBlogWorkflow.h"
#include "workflows/DialogHost.h"

#include "model/CWinBlogUser.h"
#include "platform/CodePage.h"
#include "platform/Path.h"

#include <algorithm>

EditBlogListWorkflow::EditBlogListWorkflow(CWinBlogUser& user, DialogHost& dialogs)
    : m_user(user)
    , m_dialogs(dialogs)
{
    FillItems();
}

void EditBlogListWorkflow::FillItems()
{
    m_items.clear();
    for (auto& store : m_user.GetBlogList())
        m_items.push_back({ Utf8ToUtf16(store->GetBlogInfo().GetDisplayName()), store.get() });
    // Sorted as the list sorts, without regard to case.
    std::stable_sort(m_items.begin(), m_items.end(),
        [](const Item& a, const Item& b) { return CompareIgnoringCase(Utf16ToUtf8(a.text), Utf16ToUtf8(b.text)) < 0; });
}

std::optional<size_t> EditBlogListWorkflow::FirstSelection() const
{
    if (m_items.empty())
        return std::nullopt;
    return 0;
}

bool EditBlogListWorkflow::CanEdit(std::optional<size_t> selection) const
{
    return selection && *selection < m_items.size();
}

bool EditBlogListWorkflow::Unsubscribe(std::optional<size_t> selection)
{
    if (!CanEdit(selection))
        return false;
    ConfirmDeleteBlogWorkflow confirm;
    if (m_dialogs.RunConfirmDeleteBlog(confirm) != DialogResults::Ok)
        return false;
    CWinBlogStorage* store = m_items[*selection].store;
    // A store file that cannot be deleted keeps the blog, and its item.
    if (m_user.RemoveBlog(store, confirm.GetDeletePhotos()) != Error::Success)
        return false;
    m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(*selection));
    return true;
}

std::optional<size_t> EditBlogListWorkflow::EditBlogPrefs(std::optional<size_t> selection)
{
    if (!CanEdit(selection))
        return selection;
    CWinBlogStorage* store = m_items[*selection].store;
    BlogPrefsWorkflow prefs(*store, BlogPreferencesPages::BlogAndSync);
    if (m_dialogs.RunBlogPrefs(prefs) != DialogResults::Ok)
        return selection;
    (void)store->Save(); // a failed save is not reported here
    FillItems();
    auto place = std::find_if(m_items.begin(), m_items.end(), [store](const Item& item) { return item.store == store; });
    return static_cast<size_t>(place - m_items.begin());
}
