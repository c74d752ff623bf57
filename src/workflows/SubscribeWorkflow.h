#pragma once

#include "workflows/DialogOutcome.h"
#include "workflows/NetworkServices.h"
#include "workflows/NewBlogStoreResult.h"
#include "workflows/SyncPageWorkflow.h"

#include <optional>
#include <string>

class CWinBlogUser;
class DialogHost;

// CSubscribeDlg ("Subscribe"): page 0 takes the Blog URL of someone's blog
// (typed, or picked from the recommended blogs), page 1 its sync settings;
// "Subscribe" then makes the blog's store and runs its first sync. On OK it
// hands back the new blog's store. A first sync that fails undoes the
// subscription and goes back to page 0; one that never connects or that
// the user cancels still subscribes the blog.
class SubscribeWorkflow : public NewBlogStoreResult {
public:
    enum Page : int {
        kUrlPage = 0,
        kSettingsPage = 1,
    };
    // The Blog URL, then the settings page's fields shifted by one.
    static constexpr int kUrlField = 0;
    static constexpr int kFirstSettingsField = 1;
    static constexpr size_t kUrlLimit = 31;
    static constexpr std::uint16_t kDefaultEntryLimit = 25;
    static constexpr std::string_view kTitle = "Subscribe";
    static constexpr std::string_view kUrlPrompt = "Enter the Blog URL of the blog you wish to subscribe to.";
    static constexpr std::string_view kSettingsPrompt = "Please review your Sync Settings.";
    static constexpr std::string_view kSiteLabel = "vellumbrixweb/";
    static constexpr std::string_view kBrowseButton = "Browse...";

    SubscribeWorkflow(CWinBlogUser& user, DialogHost& dialogs, NetworkServices services);

    CWinBlogUser& GetUser() { return m_user; }
    Page GetPage() const { return m_page; }
    // The text of the button that moves on: "Next" on page 0 (string 190),
    // "Subscribe" on page 1 (string 167).
    std::string NextButtonText() const;

    const SizeList& DownloadList() const { return m_downloadList; }
    const SizeList& UploadList() const { return m_uploadList; }
    // The settings page's defaults: downloads of 480x360 on a screen larger
    // than 320 pixels either way (else 240x180), the 25 newest entries,
    // full-size uploads, photos kept after upload.
    SyncPageWorkflow::Controls OpeningSettings() const;

    // "Next" on page 0: an empty Blog URL (string 6003) or one of a blog
    // already on the device (string 174, no network) keeps the page;
    // otherwise page 1 comes. "Subscribe" on page 1: see the class.
    DialogOutcome Next(std::u16string_view url, const SyncPageWorkflow::Controls& settings);

    // "Browse...": fetches the recommended blogs and lets the user pick one;
    // the Blog URL the field is to show (empty when the user picked none),
    // or none when the field stays as it is.
    std::optional<std::u16string> Browse();

private:
    DialogOutcome LeaveUrlPage(std::u16string_view url);
    DialogOutcome SubscribeAndSync(std::u16string_view url, const SyncPageWorkflow::Controls& settings);

    CWinBlogUser& m_user;
    DialogHost& m_dialogs;
    NetworkServices m_services;
    Page m_page { kUrlPage };
    SizeList m_downloadList;
    SizeList m_uploadList;
};
