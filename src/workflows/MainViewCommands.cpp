#include "workflows/MainViewController.h"

#include "model/CWinBlogUser.h"
#include "workflows/MainViewCommandTable.h"

const CommandRow* MainViewController::FindRow(CommandId id)
{
    for (const CommandRow& row : CommandRow::All()) {
        if (row.Covers(id))
            return &row;
    }
    return nullptr;
}

bool MainViewController::IsViewCommand(CommandId id)
{
    return FindRow(id) != nullptr;
}

bool MainViewController::IsRowEnabled(const CommandRow& row) const
{
    switch (row.availability) {
    case CommandRow::Availability::Network:
        if (!m_network)
            return false;
        break;
    case CommandRow::Availability::Accounts:
        if (!m_accounts)
            return false;
        break;
    case CommandRow::Availability::Always:
        break;
    }
    for (int i = 0; i < kDialogCount; ++i) {
        auto id = static_cast<DialogId>(i);
        if (row.NeedsDialog(id) && !m_dialogs.Has(id))
            return false;
    }
    return true;
}

bool MainViewController::IsCommandEnabled(CommandId id) const
{
    const CommandRow* row = FindRow(id);
    return row && IsRowEnabled(*row);
}

MainViewController::Target MainViewController::CurrentTarget() const
{
    Target target;
    target.blog = m_currentBlog;
    if (m_entryShown) {
        target.entry = GetCurrentEntry();
        target.entryIndex = m_entryIndex;
    }
    return target;
}

bool MainViewController::Dispatch(CommandId id, const Target& target)
{
    const CommandRow* row = FindRow(id);
    if (!row || !row->ActsIn(GetMode()) || !IsRowEnabled(*row))
        return false;
    (this->*row->handler)(id, target);
    return true;
}

bool MainViewController::RunCommand(CommandId id)
{
    return Dispatch(id, CurrentTarget());
}

bool MainViewController::RunContextCommand(CommandId id, long index)
{
    if (index < 0)
        return false;
    Target target;
    target.fromContextMenu = true;
    if (!m_currentBlog) {
        target.blog = BlogAt(static_cast<size_t>(index));
        if (!target.blog)
            return false;
    } else {
        target.blog = m_currentBlog;
        target.entry = m_currentBlog->GetShownEntryAt(static_cast<size_t>(index));
        if (!target.entry)
            return false;
        target.entryIndex = index;
    }
    return Dispatch(id, target);
}
