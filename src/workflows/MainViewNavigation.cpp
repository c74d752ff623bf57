#include "workflows/MainViewController.h"

#include "model/BlogIds.h"
#include "model/CWinBlogStorage.h"
#include "workflows/MainViewSurface.h"

void MainViewController::OnOk(CommandId, const Target&)
{
    // OK closes the entry page, else goes home (again, in Home mode).
    if (m_entryShown)
        CloseEntry();
    else
        GoHome();
}

void MainViewController::OnCloseEntry(CommandId, const Target&)
{
    CloseEntry();
}

void MainViewController::OnHome(CommandId, const Target&)
{
    GoHome();
}

void MainViewController::OnStepEntry(CommandId id, const Target&)
{
    if (!m_entryShown || !m_currentBlog)
        return;
    long next = m_entryIndex + (id == Command::NextEntry ? 1 : -1);
    // Next on the last entry and Previous on the first do nothing.
    if (next < 0 || static_cast<size_t>(next) >= m_currentBlog->GetShownEntryCount())
        return;
    SetShownEntry(next);
}

void MainViewController::SetShownEntry(long index)
{
    OpenEntry(static_cast<size_t>(index));
    m_surface.Select(index);
}

void MainViewController::OnFilter(CommandId id, const Target&)
{
    if (!m_currentBlog)
        return;
    std::uint16_t status = BlogStorage::kStatusAll;
    switch (id) {
    case Command::ShowPending:
        status = BlogStorage::kStatusPending;
        break;
    case Command::ShowPublished:
        status = BlogStorage::kStatusPublished;
        break;
    case Command::ShowPublishedByMe:
        status = BlogStorage::kStatusPublishedByMe;
        break;
    default:
        break;
    }
    ApplyFilters(m_currentBlog->GetCategoryFilter(), status);
}

void MainViewController::OnCategory(CommandId id, const Target&)
{
    if (!m_currentBlog)
        return;
    std::uint32_t category = BlogIds::AllCategories;
    if (id == Command::CategoryUnfiled) {
        category = BlogIds::Unfiled;
    } else if (Command::IsCategory(id)) {
        BlogAlbum* album = m_currentBlog->GetCategoryAt(id - Command::FirstCategory);
        if (!album)
            return;
        category = album->GetId();
    }
    ApplyFilters(category, m_currentBlog->GetStatusFilter());
}
