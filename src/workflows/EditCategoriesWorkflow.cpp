#include "workflows/EditCategoriesWorkflow.h"

#include "app/Messages.h"
#include "model/CWinBlogStorage.h"
#include "platform/Path.h"

#include <algorithm>

// Shown when every local category id of the blog is taken (until a sync
// gives the categories their service ids).
static constexpr unsigned kNoRoomMessage = 7000;

EditCategoriesWorkflow::EditCategoriesWorkflow(CWinBlogStorage& store)
    : m_store(store)
{
    for (size_t i = 0; i < store.GetCategoryCount(); ++i)
        InsertItem(*store.GetCategoryAt(i));
}

size_t EditCategoriesWorkflow::InsertItem(BlogAlbum& category)
{
    // Sorted as the list sorts: by name, without regard to case; a new item
    // goes after those of an equal name.
    auto place = std::upper_bound(m_items.begin(), m_items.end(), category.GetName(),
        [](const std::string& name, const Item& item) { return CompareIgnoringCase(name, item.category->GetName()) < 0; });
    place = m_items.insert(place, { category.GetNameText(), &category });
    return static_cast<size_t>(place - m_items.begin());
}

void EditCategoriesWorkflow::RemoveItemOf(const BlogAlbum& category)
{
    std::erase_if(m_items, [&](const Item& item) { return item.category == &category; });
}

std::optional<size_t> EditCategoriesWorkflow::FirstSelection() const
{
    if (m_items.empty())
        return std::nullopt;
    return 0;
}

bool EditCategoriesWorkflow::CanEditOrDelete(std::optional<size_t> selection) const
{
    return selection && *selection < m_items.size();
}

std::optional<size_t> EditCategoriesWorkflow::AddCategory(std::string_view name)
{
    auto id = m_store.NextLocalCategoryId();
    if (!id) {
        ShowStringMessage(kNoRoomMessage, MessageIcon::Warning);
        return std::nullopt;
    }
    auto category = m_store.NewCategory();
    category->SetId(*id);
    category->SetName(name);
    category->SetModified(true);
    return InsertItem(m_store.InsertCategory(std::move(category)));
}

BlogAlbum* EditCategoriesWorkflow::CategoryToEdit(std::optional<size_t> selection)
{
    if (!CanEditOrDelete(selection)) {
        // A plain message on the device; the closest box here is an
        // information box.
        ShowStringMessage(kNoSelectionMessage, MessageIcon::Information);
        return nullptr;
    }
    return m_items[*selection].category;
}

size_t EditCategoriesWorkflow::RenameCategory(BlogAlbum& category, std::string_view name)
{
    RemoveItemOf(category);
    m_store.RenameCategory(category, name);
    category.SetModified(true);
    return InsertItem(category);
}

bool EditCategoriesWorkflow::DeleteCategory(std::optional<size_t> selection)
{
    if (!CanEditOrDelete(selection)) {
        ShowStringMessage(kNoSelectionMessage, MessageIcon::Information);
        return false;
    }
    if (!AskStringQuestion(kDeleteQuestion, DefaultButton::Yes))
        return false;
    BlogAlbum* category = m_items[*selection].category;
    m_items.erase(m_items.begin() + static_cast<long>(*selection));
    m_store.DeleteCategory(*category, false);
    return true;
}

DialogOutcome EditCategoriesWorkflow::Done()
{
    // The store reports a failed save itself (message 6002).
    (void)m_store.Save();
    return DialogOutcome::Close(DialogResults::Ok);
}
