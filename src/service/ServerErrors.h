#pragma once

#include "platform/ErrorCode.h"

#include <optional>
#include <span>
#include <string_view>

// The error texts the service sends in a response's "MS" element. A text's
// position in the list, plus 8000, is its code.
std::span<const std::string_view> ServerErrorTexts();

// The code of a server's error text, compared without regard to case:
// 8000 plus the position of the first text it equals, or 65535 for a text
// the list does not hold. An empty text is no error at all (none): the
// list's empty place stands for the group-blog code, which only the client
// produces.
std::optional<ErrorCode> ServerErrorCodeForText(std::string_view text);

namespace ServerError {

constexpr ErrorCode InvalidVersion = 8000;
constexpr ErrorCode InvalidAuthentication = 8001;
constexpr ErrorCode EmailAlreadyUsed = 8002;
constexpr ErrorCode BlogUrlAlreadyUsed = 8003;
constexpr ErrorCode InvalidTimestamp = 8004;
constexpr ErrorCode CategoryAlreadyUsed = 8005;
constexpr ErrorCode CategoryMissing = 8006;
constexpr ErrorCode SomeCategoryMissing = 8007;
constexpr ErrorCode PictureLimitReached = 8008;
constexpr ErrorCode PictureMissing = 8009;
constexpr ErrorCode NoPermissionToEditPicture = 8011;
constexpr ErrorCode NoPermissionToEditCategory = 8012;
constexpr ErrorCode NoPermissionToAddPicture = 8013;
constexpr ErrorCode NoPermissionToAddCategory = 8014;
constexpr ErrorCode NoPermissionToDeleteCategory = 8015;
constexpr ErrorCode NoPermissionToDeletePicture = 8016;
constexpr ErrorCode EntryMissing = 8017;
constexpr ErrorCode CommentMissing = 8018;
constexpr ErrorCode NoPermissionToEditComment = 8019;
constexpr ErrorCode NoPermissionToPostComment = 8020;
constexpr ErrorCode NoPermissionToDeleteComment = 8021;
constexpr ErrorCode BlogPasswordProtected = 8022;
constexpr ErrorCode InvalidViewerPassword = 8023;
// Made by the client: a group blog of someone else reached its photo limit.
constexpr ErrorCode GroupBlogPictureLimitReached = 8024;
// A text the client does not know.
constexpr ErrorCode Unknown = 65535;

}
