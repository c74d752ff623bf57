#pragma once

// The refusals devices recognise, word for word: a device turns each into
// its own error code by the text's place in its list, ignoring case.
namespace ServiceErrorText {

constexpr const char* InvalidVersion = "Error: Invalid Version";
constexpr const char* InvalidAuthentication = "Error: Invalid Authentication";
constexpr const char* EmailAlreadyUsed = "Error: Email already used";
constexpr const char* BlogUrlAlreadyUsed = "Error: BlogURL already used";
constexpr const char* InvalidTimestamp = "Error: Invalid timestamp";
constexpr const char* CategoryAlreadyUsed = "Error: Category already used";
constexpr const char* CategoryMissing = "Error: This category is deleted or doesn't exist";
constexpr const char* SomeCategoryMissing = "Error: A category is deleted or doesn't exist";
constexpr const char* PictureLimitOver = "Error: Your Picture limit is over";
constexpr const char* PictureMissing = "Error: This picture is deleted or doesn't exist";
constexpr const char* BlogMissing = "Error: A blog doesn't exist";
constexpr const char* NoEditPicture = "Error: You have not permission to edit a picture";
constexpr const char* NoEditCategory = "Error: You have not permission to edit a category";
constexpr const char* NoAddPicture = "Error: You have not permission to add a picture";
constexpr const char* NoAddCategory = "Error: You have not permission to add a category";
constexpr const char* NoDeleteCategory = "Error: You have not permission to delete a category";
constexpr const char* NoDeletePicture = "Error: You have not permission to delete a picture";
constexpr const char* EntryMissing = "Error: An entry is deleted or doesn't exist";
constexpr const char* CommentMissing = "Error: This comment is deleted or doesn't exist";
constexpr const char* NoEditComment = "Error: You have not permission to edit a comment";
constexpr const char* NoPostComment = "Error: You have not permission to post a comment";
constexpr const char* NoDeleteComment = "Error: You have not permission to delete a comment";
constexpr const char* BlogPasswordProtected = "Error: The Blog is password protected";
constexpr const char* InvalidViewerPassword = "Error: Enter valid viewer password";
constexpr const char* RemoteBlogUnreachable = "Error: A connection to your blog could not be made so the photo is not posted";

// Refusals of account and blog creation that devices show as they come.
constexpr const char* InvalidEmail = "Error: Please enter a valid e-mail address (it may not contain spaces, &, < or >)";
constexpr const char* EmptyPassword = "Error: Please enter a password";
constexpr const char* UnreadablePassword = "Error: A password is text of at most 127 bytes";
constexpr const char* InvalidBlogUrl = "Error: A Blog URL can only contain letters, digits, '_' and '-', at most 31 of them";
// Refusals devices know no text for (they show them as unknown errors).
constexpr const char* InvalidRecipient = "Error: A recipient is not a valid e-mail address";
constexpr const char* NotAJpeg = "Error: The photo is not a JPEG picture this service can read";

}
