#include "workflows/CommentsWorkflow.h"

#include "workflows/AddCommentWorkflow.h"
#include "workflows/CommentCaption.h"
#include "workflows/DialogHost.h"
#include "workflows/NetworkStep.h"
#include "workflows/NetworkOperations.h"
#include "workflows/ViewCommentWorkflow.h"

#include "app/Messages.h"
#include "model/CWinBlogStorage.h"

CommentsWorkflow::CommentsWorkflow(CWinBlogUser& user, CWinBlogStorage& store, BlogEntry& entry, DialogHost& dialogs,
    NetworkOperations* network, ListStyle style)
    : m_user(user)
    , m_store(store)
    , m_entry(entry)
    , m_dialogs(dialogs)
    , m_network(network)
    , m_style(style)
{
}

std::optional<size_t> CommentsWorkflow::Open()
{
    m_store.SetCurrentEntry(m_entry.GetServerId());
    Fill();
    if (m_entry.SetNewComments(false))
        Save();
    if (m_items.empty())
        return std::nullopt;
    return m_items.size() - 1;
}

void CommentsWorkflow::Fill()
{
    m_items.clear();
    ProgramTime now = GetCurrentSeconds();
    size_t count = m_store.GetCurrentCommentCount();
    m_items.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const BlogComment* comment = m_store.GetCurrentCommentAt(i);
        if (!comment)
            continue;
        std::string whole = CommentCaption(*comment, true, now);
        std::string text = m_style == ListStyle::WholeComments ? whole : CommentCaption(*comment, false, now);
        m_items.push_back({ std::move(text), std::move(whole), comment });
    }
}

std::optional<size_t> CommentsWorkflow::ItemOf(const BlogComment* comment) const
{
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].comment == comment)
            return i;
    }
    return std::nullopt;
}

const CommentsWorkflow::Item* CommentsWorkflow::SelectedItem(std::optional<size_t> selected) const
{
    if (!selected || *selected >= m_items.size()) {
        ShowStringMessage(kNoSelectionMessage, MessageIcon::Warning);
        return nullptr;
    }
    return &m_items[*selected];
}

bool CommentsWorkflow::CanAddAndDelete() const
{
    return !m_store.IsCommentReadOnly(nullptr);
}

void CommentsWorkflow::Save()
{
    // The store reports a failed save itself (message 6002).
    (void)m_store.Save();
}

// Sent at once; a comment that does not reach the service stays pending
// and goes with the next sync. Failures have been shown where they arose.
void CommentsWorkflow::Send(BlogComment& comment)
{
    if (!m_network)
        return;
    RunConnected([&](ProgressWindow& progress) { (void)m_network->StoreComment(m_store, m_user, comment, progress); });
}

std::optional<size_t> CommentsWorkflow::Add(std::optional<size_t> selected)
{
    if (!CanAddAndDelete())
        return selected;
    AddCommentWorkflow dialog;
    if (m_dialogs.RunAddComment(dialog) != DialogResults::Ok)
        return selected;
    auto made = m_store.NewComment();
    made->SetText(dialog.GetText());
    made->SetEntryId(m_entry.GetServerId());
    made->SetDate(GetCurrentSeconds());
    made->SetPending(true);
    BlogComment& comment = m_store.InsertComment(std::move(made));
    // Kept before it is sent, so that a failed send loses nothing.
    Save();
    const BlogComment* added = &comment;
    Send(comment);
    Save();
    Fill();
    // The service may have refused the comment for good and the store
    // dropped it; then the selection stays where it was.
    auto item = ItemOf(added);
    return item ? item : (selected && *selected < m_items.size() ? selected : std::nullopt);
}

std::optional<size_t> CommentsWorkflow::Delete(std::optional<size_t> selected)
{
    const Item* item = SelectedItem(selected);
    if (!item || !CanAddAndDelete())
        return selected;
    if (m_store.IsCommentReadOnly(item->comment)) {
        ShowStringMessage(kNoDeletePermissionMessage, MessageIcon::Warning);
        return selected;
    }
    if (!AskStringQuestion(kDeleteQuestion, DefaultButton::Yes))
        return selected;
    m_store.DeleteComment(*item->comment, false);
    Save();
    Fill();
    if (m_items.empty())
        return std::nullopt;
    return *selected > 0 ? std::min(*selected - 1, m_items.size() - 1) : 0;
}

void CommentsWorkflow::View(std::optional<size_t> selected)
{
    const Item* item = SelectedItem(selected);
    if (!item)
        return;
    ViewCommentWorkflow view(item->wholeText);
    (void)m_dialogs.RunViewComment(view); // it only closes
}
