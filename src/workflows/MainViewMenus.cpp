#include "workflows/MainViewController.h"

#include "app/StringTable.h"
#include "model/BlogIds.h"
#include "model/CWinBlogStorage.h"

#include <utility>

namespace {

constexpr StringId kUnfiled = 166;
constexpr StringId kEditCategories = 203;
constexpr StringId kPublishedByMe = 204;

constexpr std::string_view kToolsKey = "Tools";

}

static MenuItem Submenu(std::string text, Menu items)
{
    MenuItem item;
    item.kind = MenuItem::Kind::Submenu;
    item.text = std::move(text);
    item.submenu = std::move(items);
    return item;
}

// The "Show" submenu and the filter drop-down: "Published By Me" only for a
// group blog, the blog's filter checked.
static Menu FilterItems(const CWinBlogStorage& blog, CommandId checked)
{
    Menu items {
        { MenuItem::Kind::Command, "All", Command::ShowAll, false, true, {} },
        { MenuItem::Kind::Command, "Pending", Command::ShowPending, false, true, {} },
        { MenuItem::Kind::Command, "Published", Command::ShowPublished, false, true, {} },
    };
    if (blog.GetBlogInfo().GetGroupBlog() == 1)
        items.push_back({ MenuItem::Kind::Command, std::string(LoadString(kPublishedByMe)), Command::ShowPublishedByMe, false, true, {} });
    for (auto& item : items)
        item.checked = item.command == checked;
    return items;
}

// The "Category" submenu and the category drop-down: "All", the blog's
// categories in its order, "Unfiled", and "Edit Categories..." when the user
// may change the blog.
static Menu CategoryItems(const CWinBlogStorage& blog, CommandId checked, bool editEnabled)
{
    Menu items { { MenuItem::Kind::Command, "All", Command::CategoryAll, false, true, {} } };
    size_t count = blog.GetCategoryCount();
    for (size_t i = 0; i < count && Command::FirstCategory + i <= Command::LastCategory; ++i)
        items.push_back({ MenuItem::Kind::Command, blog.GetCategoryAt(i)->GetName(), static_cast<CommandId>(Command::FirstCategory + i), false, true, {} });
    items.push_back({ MenuItem::Kind::Command, std::string(LoadString(kUnfiled)), Command::CategoryUnfiled, false, true, {} });
    for (auto& item : items)
        item.checked = item.command == checked;
    if (!blog.IsReadOnly(nullptr))
        items.push_back({ MenuItem::Kind::Command, std::string(LoadString(kEditCategories)), Command::EditCategories, false, editEnabled, {} });
    return items;
}

Menu MainViewController::BuildMenu(MenuId id) const
{
    auto item = [this](std::string_view text, CommandId command) {
        return MenuItem { MenuItem::Kind::Command, std::string(text), command, false, command == Command::Exit || IsCommandEnabled(command), {} };
    };
    switch (id) {
    case Menus::HomeTools:
        return {
            item("Subscribe to Blog...", Command::SubscribeToBlog),
            item("Create New Blog...", Command::CreateNewBlog),
            item("Sync All Blogs", Command::SyncAllBlogs),
            item("Edit Blogs...", Command::EditBlogs),
            MenuItem::Separator(),
            item("Account Info...", Command::AccountInfo),
            item("Camera Prefs...", Command::CameraPrefs),
            item("Font...", Command::Font),
            MenuItem::Separator(),
            item("Check for Updates...", Command::CheckForUpdates),
            item("About Vellumbrix...", Command::About),
            MenuItem::Separator(),
            item("Exit", Command::Exit),
        };
    case Menus::BlogTools:
        if (!m_currentBlog)
            return {};
        return {
            item("Sync", Command::SyncBlog),
            item("Add Photo...", Command::AddPhoto),
            MenuItem::Separator(),
            item("Send Blog E-Mail...", Command::SendEMail),
            item("Post Remote Entry...", Command::PostRemoteEntry),
            MenuItem::Separator(),
            Submenu("Show", FilterItems(*m_currentBlog, GetFilterCommand())),
            Submenu("Category", CategoryItems(*m_currentBlog, GetCategoryCommand(), IsCommandEnabled(Command::EditCategories))),
            Submenu("Manage",
                {
                    item("Categorize Entries...", Command::CategorizeEntries),
                    item("Delete Entries...", Command::DeleteEntries),
                    item("Purge Photos...", Command::PurgePhotos),
                    item("Move Photos...", Command::MovePhotos),
                }),
            MenuItem::Separator(),
            item("Blog Prefs...", Command::BlogPrefs),
            MenuItem::Separator(),
            item("Exit", Command::Exit),
        };
    case Menus::EntryTools:
        return {
            item("Delete Entry...", Command::DeleteEntry),
            item("View Comments...", Command::ViewComments),
            item("Send Photo E-Mail...", Command::SendEMail),
            item("Post Remote Entry...", Command::PostRemoteEntry),
            MenuItem::Separator(),
            item("Download Photo...", Command::DownloadPhoto),
            item("Purge Photo...", Command::PurgePhoto),
        };
    case Menus::BlogRowContext:
        return {
            item("Sync", Command::SyncBlog),
            item("Blog Prefs...", Command::BlogPrefs),
            item("Send Blog E-Mail...", Command::SendEMail),
            item("Post Remote Entry...", Command::PostRemoteEntry),
        };
    case Menus::EntryCellContext:
        return {
            item("Edit Entry...", Command::EditEntry),
            item("Delete Entry...", Command::DeleteEntry),
            item("View Comments...", Command::ViewComments),
            item("Send Photo E-Mail...", Command::SendEMail),
            item("Post Remote Entry...", Command::PostRemoteEntry),
        };
    case Menus::FilterDropDown:
        return m_currentBlog ? FilterItems(*m_currentBlog, GetFilterCommand()) : Menu {};
    case Menus::CategoryDropDown:
        return m_currentBlog ? CategoryItems(*m_currentBlog, GetCategoryCommand(), IsCommandEnabled(Command::EditCategories)) : Menu {};
    default:
        return {};
    }
}

SoftKeys MainViewController::GetSoftKeys() const
{
    SoftKeys keys;
    keys.rightText = kToolsKey;
    switch (GetMode()) {
    case ViewMode::Home:
        keys.leftText = "Sync";
        keys.leftCommand = Command::SyncAllBlogs;
        keys.rightMenu = Menus::HomeTools;
        break;
    case ViewMode::Blog:
        keys.leftText = "Camera";
        keys.leftCommand = Command::Camera;
        keys.rightMenu = Menus::BlogTools;
        break;
    case ViewMode::Entry:
        keys.leftText = "Edit";
        keys.leftCommand = Command::EditEntry;
        keys.rightMenu = Menus::EntryTools;
        break;
    }
    keys.leftEnabled = IsCommandEnabled(keys.leftCommand);
    return keys;
}

CommandId MainViewController::GetFilterCommand() const
{
    if (!m_currentBlog)
        return 0;
    switch (m_currentBlog->GetStatusFilter()) {
    case BlogStorage::kStatusPending:
        return Command::ShowPending;
    case BlogStorage::kStatusPublished:
        return Command::ShowPublished;
    case BlogStorage::kStatusPublishedByMe:
        return Command::ShowPublishedByMe;
    default:
        return Command::ShowAll;
    }
}

CommandId MainViewController::GetCategoryCommand() const
{
    if (!m_currentBlog)
        return 0;
    std::uint32_t filter = m_currentBlog->GetCategoryFilter();
    if (filter >= BlogIds::AllCategoriesLow)
        return Command::CategoryAll;
    if (filter == BlogIds::Unfiled)
        return Command::CategoryUnfiled;
    size_t count = m_currentBlog->GetCategoryCount();
    for (size_t i = 0; i < count && Command::FirstCategory + i <= Command::LastCategory; ++i) {
        if (m_currentBlog->GetCategoryAt(i)->GetId() == filter)
            return static_cast<CommandId>(Command::FirstCategory + i);
    }
    // A category that is gone: no item is checked.
    return 0;
}

std::string MainViewController::GetDropDownText(MenuId id) const
{
    CommandId chosen = id == Menus::FilterDropDown ? GetFilterCommand() : GetCategoryCommand();
    for (const MenuItem& item : BuildMenu(id)) {
        if (item.command == chosen)
            return item.text;
    }
    return {};
}
