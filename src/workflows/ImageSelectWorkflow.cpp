#include "workflows/ImageSelectWorkflow.h"

#include "app/StringTable.h"
#include "platform/UserInteraction.h"
#include "workflows/PhotoSearch.h"

#include <algorithm>

void ImageSelectWorkflow::SearchDevice()
{
    Search(PhotoSearch::DeviceFolders());
}

void ImageSelectWorkflow::Search(const std::vector<std::string>& folders)
{
    auto progress = UserInteraction::Current().OpenProgressWindow(2, true);
    progress->SetLine(0, LoadString(kSearchingText));
    PhotoSearch search(m_blog, *progress);
    for (const std::string& folder : folders) {
        if (!search.Search(folder))
            break;
    }
    m_searchCancelled = search.WasCancelled();
    m_items = search.TakeItems();
    m_ticked.clear();
}

void ImageSelectWorkflow::Toggle(size_t index)
{
    if (index >= m_items.size())
        return;
    auto ticked = std::find(m_ticked.begin(), m_ticked.end(), index);
    if (ticked != m_ticked.end())
        m_ticked.erase(ticked);
    else
        m_ticked.push_back(index);
}

bool ImageSelectWorkflow::IsTicked(size_t index) const
{
    return std::find(m_ticked.begin(), m_ticked.end(), index) != m_ticked.end();
}

DialogOutcome ImageSelectWorkflow::Ok()
{
    m_selected.clear();
    for (size_t i = 0; i < GetSelectedCount(); ++i)
        m_selected.push_back(GetSelectedPath(i));
    return DialogOutcome::Close(DialogResults::Ok);
}
