#include "model/CWinBlogUser.h"

#include "platform/UserInteraction.h"

#include <vector>

static constexpr std::string_view kFreeAccountType = "free";

bool CWinBlogUser::ReconcileAccount(const AccountData& account)
{
    SetUserId(account.userId);
    SetProAccount(account.accountType != kFreeAccountType ? 1 : 0);
    SetPhotoQuota(account.photoQuota);

    SelectAllBlogsForSync();
    bool needsRepair = false;
    for (auto& urlName : account.subscriptionUrlNames) {
        long index = FindBlogIndex(urlName);
        if (index >= 0) {
            DeselectBlog(static_cast<size_t>(index));
            continue;
        }
        // A known blog that is not on the device was removed here; the
        // service must forget it too.
        if (IsKnownBlog(urlName)) {
            needsRepair = true;
            continue;
        }
        // An offer nobody can answer (a command run without a terminal and
        // without --yes or --no) is turned down without being refused: the
        // blog stays subscribed on the web, to be offered again by a later
        // refresh.
        if (!SubscribeBlog(urlName) && UserInteraction::Current().CanAnswerQuestions())
            needsRepair = true;
    }

    if (account.remoteBlogNames)
        SetRemoteBlogNames(*account.remoteBlogNames);

    // Each blog the service no longer lists is visited once, in list
    // order, whatever unsubscribing the others does to the list.
    std::vector<CWinBlogStorage*> unlisted;
    for (auto& store : m_blogList) {
        if (store->IsSyncSelected())
            unlisted.push_back(store.get());
    }
    for (CWinBlogStorage* store : unlisted) {
        if (m_blogList.IndexOf(store) < 0)
            continue;
        store->SetSyncSelected(false);
        std::string urlName = store->GetBlogInfo().GetUrlName();
        if (!IsKnownBlog(urlName) || !UnsubscribeBlog(urlName))
            needsRepair = true;
    }

    RebuildBlogUrlNames();
    return needsRepair;
}
