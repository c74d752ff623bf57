#pragma once

#include "server/actions/ActionContext.h"

// One function per action. The dispatcher (RunAction) has already checked
// the version, authenticated the user where the action needs one, and
// loaded the blog (with the user's access to it) for actions that work on
// a blog.

// Account: "GU", "EU", "CreateAccount".
ErrorOr<ActionOutcome> GetUserInfo(ActionContext& context, const GetUserInfoRequest& request);
ErrorOr<ActionOutcome> EditSubscriptions(ActionContext& context, const EditSubscriptionsRequest& request);
ErrorOr<ActionOutcome> CreateAccount(ActionContext& context, const CreateAccountRequest& request);

// Blogs: "CreateBlog", "EB".
ErrorOr<ActionOutcome> CreateBlog(ActionContext& context, const CreateBlogRequest& request);
ErrorOr<ActionOutcome> EditBlog(ActionContext& context, const EditBlogRequest& request);

// The changes feed: "GC".
ErrorOr<ActionOutcome> GetChanges(ActionContext& context, const GetChangesRequest& request);

// "AC", "EC", "DC".
ErrorOr<ActionOutcome> StoreCategory(ActionContext& context, const StoreCategoryRequest& request);
ErrorOr<ActionOutcome> DeleteCategory(ActionContext& context, const DeleteCategoryRequest& request);

// "AP", "EP", "DP".
ErrorOr<ActionOutcome> StoreEntry(ActionContext& context, const StoreEntryRequest& request);
ErrorOr<ActionOutcome> DeleteEntry(ActionContext& context, const DeleteEntryRequest& request);

// "AO", "EO", "DCO".
ErrorOr<ActionOutcome> StoreComment(ActionContext& context, const StoreCommentRequest& request);
ErrorOr<ActionOutcome> DeleteComment(ActionContext& context, const DeleteCommentRequest& request);

// "PhotoEMail", "RemoteBlog": kept in the outbox.
ErrorOr<ActionOutcome> SendPhotoEmail(ActionContext& context, const PhotoEmailRequest& request);
ErrorOr<ActionOutcome> PostToRemoteBlog(ActionContext& context, const RemoteBlogRequest& request);
