#include "workflows/MainViewCommandTable.h"

#include "workflows/MainViewController.h"

#include <initializer_list>

namespace {

constexpr std::uint64_t Needs(std::initializer_list<DialogId> dialogs)
{
    std::uint64_t mask = 0;
    for (DialogId id : dialogs)
        mask |= std::uint64_t(1) << static_cast<int>(id);
    return mask;
}

// The welcome flow runs instead of the dialog while there is no login.
constexpr std::uint64_t kWelcomeFlow = Needs({ DialogId::Welcome, DialogId::CreateAccount, DialogId::LoginInfo });

}

std::span<const CommandRow> CommandRow::All()
{
    using C = MainViewController;
    using A = Availability;
    using R = CommandRow;
    static const CommandRow rows[] = {
        // Navigation.
        { Command::Ok, Command::Ok, &C::OnOk, R::Anywhere, 0, A::Always },
        { Command::CloseEntry, Command::CloseEntry, &C::OnCloseEntry, R::Anywhere, 0, A::Always },
        { Command::Home, Command::Home, &C::OnHome, R::InBlog | R::InEntry, 0, A::Always },
        { Command::PreviousEntry, Command::NextEntry, &C::OnStepEntry, R::InEntry, 0, A::Always },
        { Command::ShowAll, Command::ShowPublished, &C::OnFilter, R::InBlog, 0, A::Always },
        { Command::ShowPublishedByMe, Command::ShowPublishedByMe, &C::OnFilter, R::InBlog, 0, A::Always },
        { Command::CategoryAll, Command::CategoryUnfiled, &C::OnCategory, R::InBlog, 0, A::Always },
        { Command::FirstCategory, Command::LastCategory, &C::OnCategory, R::InBlog, 0, A::Always },
        // Home mode.
        { Command::SubscribeToBlog, Command::SubscribeToBlog, &C::OnSubscribe, R::InHome, Needs({ DialogId::Subscribe }) | kWelcomeFlow, A::Network },
        { Command::CreateNewBlog, Command::CreateNewBlog, &C::OnCreateNewBlog, R::InHome, Needs({ DialogId::NewBlog }) | kWelcomeFlow, A::Accounts },
        { Command::SyncAllBlogs, Command::SyncAllBlogs, &C::OnSyncAll, R::InHome, 0, A::Network },
        { Command::EditBlogs, Command::EditBlogs, &C::OnEditBlogs, R::InHome, Needs({ DialogId::EditBlogList }), A::Always },
        { Command::AccountInfo, Command::AccountInfo, &C::OnAccountInfo, R::InHome, Needs({ DialogId::AccountInfo }), A::Always },
        { Command::CameraPrefs, Command::CameraPrefs, &C::OnCameraPrefs, R::InHome, Needs({ DialogId::CameraPrefs }), A::Always },
        { Command::Font, Command::Font, &C::OnFont, R::InHome, Needs({ DialogId::ChooseFont }), A::Always },
        { Command::CheckForUpdates, Command::CheckForUpdates, &C::OnCheckForUpdates, R::InHome, 0, A::Network },
        { Command::About, Command::About, &C::OnAbout, R::InHome, Needs({ DialogId::About }), A::Always },
        // Blog mode.
        { Command::SyncBlog, Command::SyncBlog, &C::OnSyncBlog, R::InHome | R::InBlog, 0, A::Network },
        { Command::AddPhoto, Command::AddPhoto, &C::OnAddPhoto, R::InBlog, Needs({ DialogId::ImageSelect, DialogId::EditEntry }), A::Always },
        { Command::Camera, Command::Camera, &C::OnCamera, R::InBlog, Needs({ DialogId::CameraCapture, DialogId::EditEntry }), A::Always },
        { Command::SendEMail, Command::SendEMail, &C::OnSendEMail, R::Anywhere, Needs({ DialogId::PhotoEmail }), A::Network },
        { Command::PostRemoteEntry, Command::PostRemoteEntry, &C::OnPostRemoteEntry, R::Anywhere, Needs({ DialogId::PostRemoteEntry }), A::Network },
        { Command::EditCategories, Command::EditCategories, &C::OnEditCategories, R::InBlog, Needs({ DialogId::EditCategories }), A::Always },
        { Command::CategorizeEntries, Command::CategorizeEntries, &C::OnCategorizeEntries, R::InBlog, Needs({ DialogId::CategorizeEntries }), A::Always },
        { Command::DeleteEntries, Command::DeleteEntries, &C::OnDeleteEntries, R::InBlog, Needs({ DialogId::DeleteEntries }), A::Always },
        { Command::PurgePhotos, Command::PurgePhotos, &C::OnPurgePhotos, R::InBlog, Needs({ DialogId::PurgePhotos }), A::Always },
        { Command::MovePhotos, Command::MovePhotos, &C::OnMovePhotos, R::InBlog, Needs({ DialogId::MovePhotos }), A::Always },
        { Command::BlogPrefs, Command::BlogPrefs, &C::OnBlogPrefs, R::InHome | R::InBlog, Needs({ DialogId::BlogPrefs }), A::Always },
        // Entry mode and the entry cell's context menu.
        { Command::EditEntry, Command::EditEntry, &C::OnEditEntry, R::InBlog | R::InEntry, Needs({ DialogId::EditEntry }), A::Always },
        { Command::DeleteEntry, Command::DeleteEntry, &C::OnDeleteEntry, R::InBlog | R::InEntry, Needs({ DialogId::DeleteEntries }), A::Always },
        { Command::ViewComments, Command::ViewComments, &C::OnViewComments, R::InBlog | R::InEntry, Needs({ DialogId::Comments, DialogId::AddComment }), A::Always },
        { Command::Caption, Command::Caption, &C::OnCaption, R::InBlog | R::InEntry, Needs({ DialogId::Caption }), A::Always },
        { Command::DownloadPhoto, Command::DownloadPhoto, &C::OnDownloadPhoto, R::InEntry, Needs({ DialogId::DownloadPhoto }), A::Always },
        { Command::PurgePhoto, Command::PurgePhoto, &C::OnPurgePhoto, R::InEntry, 0, A::Always },
    };
    return rows;
}

bool CommandRow::ActsIn(ViewMode mode) const
{
    switch (mode) {
    case ViewMode::Home:
        return modes & InHome;
    case ViewMode::Blog:
        return modes & InBlog;
    case ViewMode::Entry:
        return modes & InEntry;
    }
    return false;
}

bool CommandRow::NeedsDialog(DialogId id) const
{
    return (dialogs >> static_cast<int>(id)) & 1;
}
