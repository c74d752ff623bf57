#include "workflows/BlogCreation.h"

#include "workflows/AccountOperations.h"
#include "workflows/BlogUrlRule.h"
#include "workflows/FieldLimits.h"
#include "workflows/NetworkFailure.h"

#include "app/Messages.h"
#include "model/CWinBlogStorage.h"
#include "model/CWinBlogUser.h"
#include "platform/CodePage.h"

#include <new>

namespace {

constexpr StringId kBlogUrlTaken = 165;

}

std::optional<int> NewBlogFields::Check() const
{
    if (!FitsFieldLimit(url, kUrlLimit))
        return kUrlField;
    if (!FitsFieldLimit(title, kTitleLimit))
        return kTitleField;
    if (!FitsFieldLimit(subtitle, kSubtitleLimit))
        return kSubtitleField;
    if (!IsValidBlogUrl(url)) {
        ShowStringMessage(kInvalidBlogUrlMessage, MessageIcon::Warning);
        return kUrlField;
    }
    return std::nullopt;
}

BlogCreationResult CreateBlogOnService(CWinBlogUser& user, AccountOperations& accounts, const NewBlogFields& fields,
    ProgressWindow& progress)
{
    std::string url = Utf16ToUtf8(fields.url);
    BlogUrlAlternates alternates;
    BlogCreationResult result;
    result.code = accounts.CreateBlog(user.GetEmail(), user.GetPassword(), url, Utf16ToUtf8(fields.title), Utf16ToUtf8(fields.subtitle),
        alternates, progress);
    if (result.code == Error::BlogUrlAlreadyUsed) {
        ShowStringMessage(kBlogUrlTaken, MessageIcon::Warning, { url, alternates[0], alternates[1] });
        return result;
    }
    if (result.code != Error::Success) {
        ReportNetworkFailure(result.code);
        return result;
    }
    // The blog exists on the service now; a store that cannot be had here
    // comes with the next account refresh.
    result.store.reset(new (std::nothrow) CWinBlogStorage(user.GetDataFolder(), url));
    if (result.store) {
        CBlogInfo& info = result.store->GetBlogInfo();
        info.SetTitleText(fields.title);
        info.SetSubtitleText(fields.subtitle);
        result.store->SetUserId(user.GetUserId());
    }
    return result;
}
