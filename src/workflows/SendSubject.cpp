#include "workflows/SendSubject.h"

#include "model/BlogIds.h"
#include "model/CWinBlogStorage.h"

SendSubject SendSubjectOf(const CWinBlogStorage& blog, const BlogEntry* entry)
{
    if (entry)
        return { entry->GetCategoryId(), entry->GetServerId() };
    return { blog.GetCategoryFilter(), 0 };
}

bool IsOnTheWebForSending(const CWinBlogStorage& blog, const BlogEntry* entry)
{
    if (entry)
        return entry->GetServerId() != 0;
    std::uint32_t filter = blog.GetCategoryFilter();
    if (filter == BlogIds::Unfiled || filter >= BlogIds::AllCategoriesLow)
        return true;
    const BlogAlbum* category = blog.FindCategoryById(filter);
    return !category || category->HasServiceId();
}
