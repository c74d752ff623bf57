#include "workflows/CategoryChoices.h"

#include "app/StringTable.h"
#include "model/LocalBlogStorage.h"
#include "platform/CodePage.h"

std::vector<CategoryItem> BlogCategoryItems(const LocalBlogStorage& store)
{
    std::vector<CategoryItem> items;
    items.reserve(store.GetCategoryCount() + 1);
    for (size_t i = 0; i < store.GetCategoryCount(); ++i) {
        const BlogAlbum* category = store.GetCategoryAt(i);
        items.push_back({ category->GetNameText(), category->GetId() });
    }
    items.push_back({ Utf8ToUtf16(LoadString(kUnfiledText)), BlogIds::Unfiled });
    return items;
}

std::optional<size_t> FindCategoryItem(const std::vector<CategoryItem>& items, std::uint32_t id)
{
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].id == id)
            return i;
    }
    return std::nullopt;
}
