#include "workflows/BrowseBlogsWorkflow.h"

#include "model/CWinBlogChannels.h"
#include "platform/CodePage.h"
#include "platform/Path.h"

#include <algorithm>

BrowseBlogsWorkflow::BrowseBlogsWorkflow(const CWinBlogChannels& channels)
    : m_channels(channels)
{
    for (const auto& channel : channels)
        m_items.push_back(&*channel);
    // Sorted as the list sorts, without regard to case.
    std::stable_sort(m_items.begin(), m_items.end(), [](const CWinBlogChannel* a, const CWinBlogChannel* b) {
        return CompareIgnoringCase(Utf16ToUtf8(a->GetDisplayLine()), Utf16ToUtf8(b->GetDisplayLine())) < 0;
    });
}

DialogOutcome BrowseBlogsWorkflow::Subscribe(std::optional<size_t> selection)
{
    m_chosen = selection && *selection < m_items.size() ? m_items[*selection]->GetUrlName() : std::u16string();
    return DialogOutcome::Close(DialogResults::Ok);
}
