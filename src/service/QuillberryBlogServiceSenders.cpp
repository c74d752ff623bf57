#include "service/QuillberryBlogService.h"
#include "service/ServerErrors.h"

// One sender per action: what it builds, and how it is judged.

namespace {

// The store's permission tests, as the senders of changes ask them.
bool MayNotEditBlog(const CWinBlogStorage& store)
{
    return store.IsReadOnly(nullptr);
}

}

ServiceReply QuillberryBlogService::RequestUserInfo(ProgressCallback callback, void* context)
{
    return Send(
        {}, [](const RequestContext& request, Stream& body) { return BuildGetUserInfo(request, body); }, callback, context);
}

ServiceReply QuillberryBlogService::SendSubscriptions(std::span<const std::string> urlNames, ProgressCallback callback, void* context)
{
    return Send(
        {}, [&](const RequestContext& request, Stream& body) { return BuildEditSubscriptions(request, body, urlNames); }, callback, context);
}

ServiceReply QuillberryBlogService::SendBlogSettings(ProgressCallback callback, void* context)
{
    if (!m_store)
        return ServiceReply::Failure(Error::InvalidParameter);
    const CBlogInfo& blog = m_store->GetBlogInfo();
    return Send(
        {}, [&](const RequestContext& request, Stream& body) { return BuildEditBlog(request, body, blog); }, callback, context);
}

ServiceReply QuillberryBlogService::RequestChanges(ProgressCallback callback, void* context)
{
    if (!m_store)
        return ServiceReply::Failure(Error::InvalidParameter);
    ActionRules rules;
    rules.reportServerError = false;
    std::uint32_t entryLimit = m_store->GetEffectiveEntryLimit();
    ProgramTime sent = m_sentTimestamp;
    return Send(
        rules, [&](const RequestContext& request, Stream& body) { return BuildGetChanges(request, body, sent, entryLimit); }, callback,
        context);
}

ServiceReply QuillberryBlogService::SendCategory(const BlogAlbum& category, ProgressCallback callback, void* context)
{
    ActionRules rules;
    rules.editCode = ServerError::NoPermissionToEditCategory;
    rules.serverEditCode = ServerError::NoPermissionToAddCategory;
    rules.mayNotEdit = MayNotEditBlog;
    rules.finalRefusals = { ServerError::CategoryAlreadyUsed, ServerError::CategoryMissing };
    return Send(
        rules, [&](const RequestContext& request, Stream& body) { return BuildStoreCategory(request, body, category); }, callback, context);
}

ServiceReply QuillberryBlogService::SendCategoryDeletion(const BlogAlbum& category, ProgressCallback callback, void* context)
{
    ActionRules rules;
    rules.editCode = ServerError::NoPermissionToEditCategory;
    rules.serverEditCode = ServerError::NoPermissionToDeleteCategory;
    rules.mayNotEdit = MayNotEditBlog;
    rules.finalRefusals = { ServerError::CategoryMissing };
    rules.quietFinalRefusals = true;
    return Send(
        rules, [&](const RequestContext& request, Stream& body) { return BuildDeleteCategory(request, body, category); }, callback, context);
}

ServiceReply QuillberryBlogService::SendEntry(const BlogEntry& entry, ProgressCallback callback, void* context)
{
    ActionRules rules;
    rules.largeBody = true;
    rules.editCode = ServerError::NoPermissionToEditPicture;
    rules.serverEditCode = ServerError::NoPermissionToAddPicture;
    rules.mayNotEdit = [&](const CWinBlogStorage& store) { return store.IsReadOnly(&entry); };
    rules.finalRefusals = { ServerError::PictureMissing, ServerError::CategoryMissing, ServerError::SomeCategoryMissing };
    std::uint16_t uploadSizeCode = m_uploadSizeCode;
    return Send(
        rules, [&](const RequestContext& request, Stream& body) { return BuildStoreEntry(request, body, entry, uploadSizeCode); }, callback,
        context);
}

ServiceReply QuillberryBlogService::SendEntryDeletion(const BlogEntry& entry, ProgressCallback callback, void* context)
{
    ActionRules rules;
    rules.editCode = ServerError::NoPermissionToEditPicture;
    rules.serverEditCode = ServerError::NoPermissionToDeletePicture;
    rules.mayNotEdit = [&](const CWinBlogStorage& store) { return store.IsReadOnly(&entry); };
    rules.finalRefusals = { ServerError::PictureMissing };
    rules.quietFinalRefusals = true;
    return Send(
        rules, [&](const RequestContext& request, Stream& body) { return BuildDeleteEntry(request, body, entry); }, callback, context);
}

ServiceReply QuillberryBlogService::SendComment(const BlogComment& comment, ProgressCallback callback, void* context)
{
    ActionRules rules;
    rules.largeBody = true;
    rules.editCode = ServerError::NoPermissionToEditComment;
    rules.serverEditCode = ServerError::NoPermissionToPostComment;
    rules.mayNotEdit = [&](const CWinBlogStorage& store) { return store.IsCommentReadOnly(&comment); };
    rules.finalRefusals = { ServerError::EntryMissing, ServerError::CommentMissing };
    return Send(
        rules, [&](const RequestContext& request, Stream& body) { return BuildStoreComment(request, body, comment); }, callback, context);
}

ServiceReply QuillberryBlogService::SendCommentDeletion(const BlogComment& comment, ProgressCallback callback, void* context)
{
    ActionRules rules;
    rules.editCode = ServerError::NoPermissionToEditComment;
    rules.serverEditCode = ServerError::NoPermissionToDeleteComment;
    rules.mayNotEdit = MayNotEditBlog;
    rules.finalRefusals = { ServerError::CommentMissing };
    rules.quietFinalRefusals = true;
    return Send(
        rules, [&](const RequestContext& request, Stream& body) { return BuildDeleteComment(request, body, comment); }, callback, context);
}

ServiceReply QuillberryBlogService::SendPhotoEmailRequest(std::uint32_t categoryId, std::uint32_t entryId, std::string_view recipients,
    std::string_view message, ProgressCallback callback, void* context)
{
    ActionRules rules;
    rules.needsUserId = true;
    return Send(
        rules,
        [&](const RequestContext& request, Stream& body) { return BuildPhotoEmail(request, body, categoryId, entryId, recipients, message); },
        callback, context);
}

ServiceReply QuillberryBlogService::SendRemoteBlogPostRequest(std::uint32_t categoryId, std::uint32_t entryId, std::string_view remoteBlog,
    std::string_view title, std::string_view caption, ProgressCallback callback, void* context)
{
    ActionRules rules;
    rules.needsUserId = true;
    return Send(
        rules,
        [&](const RequestContext& request, Stream& body) {
            return BuildRemoteBlogPost(request, body, categoryId, entryId, remoteBlog, title, caption);
        },
        callback, context);
}

ServiceReply QuillberryBlogService::RequestAccountCreation(std::string_view email, std::string_view password, std::string_view firstName,
    std::string_view lastName, ProgressCallback callback, void* context)
{
    ActionRules rules;
    rules.checkServerError = false;
    return Send(
        rules,
        [&](const RequestContext& request, Stream& body) { return BuildCreateAccount(request, body, email, password, firstName, lastName); },
        callback, context);
}

ServiceReply QuillberryBlogService::RequestBlogCreation(std::string_view email, std::string_view password, std::string_view blogUrlName,
    std::string_view title, std::string_view subtitle, bool visible, ProgressCallback callback, void* context)
{
    ActionRules rules;
    rules.checkServerError = false;
    return Send(
        rules,
        [&](const RequestContext& request, Stream& body) {
            return BuildCreateBlog(request, body, email, password, blogUrlName, title, subtitle, visible);
        },
        callback, context);
}
