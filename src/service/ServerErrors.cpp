#include "service/ServerErrors.h"

#include "platform/Path.h"

#include <array>

namespace {

// In the order of their codes; the order is the wire protocol.
constexpr std::array<std::string_view, 26> kServerErrorTexts {
    "Error: Invalid Version",
    "Error: Invalid Authentication",
    "Error: Email already used",
    "Error: BlogURL already used",
    "Error: Invalid timestamp",
    "Error: Category already used",
    "Error: This category is deleted or doesn't exist",
    "Error: A category is deleted or doesn't exist",
    "Error: Your Picture limit is over",
    "Error: This picture is deleted or doesn't exist",
    "Error: A blog doesn't exist",
    "Error: You have not permission to edit a picture",
    "Error: You have not permission to edit a category",
    "Error: You have not permission to add a picture",
    "Error: You have not permission to add a category",
    "Error: You have not permission to delete a category",
    "Error: You have not permission to delete a picture",
    "Error: An entry is deleted or doesn't exist",
    "Error: This comment is deleted or doesn't exist",
    "Error: You have not permission to edit a comment",
    "Error: You have not permission to post a comment",
    "Error: You have not permission to delete a comment",
    "Error: The Blog is password protected",
    "Error: Enter valid viewer password",
    "",
    "Error: A connection to your blog could not be made so the photo is not posted",
};

}

std::span<const std::string_view> ServerErrorTexts()
{
    return kServerErrorTexts;
}

std::optional<ErrorCode> ServerErrorCodeForText(std::string_view text)
{
    // A message element without text reports nothing; taken at its word
    // it would match the empty place and blame the group blog's photo
    // limit for a request that went through.
    if (text.empty())
        return std::nullopt;
    for (std::size_t position = 0; position < kServerErrorTexts.size(); ++position) {
        if (EqualsIgnoringCase(kServerErrorTexts[position], text))
            return Error::ServerErrorBase + static_cast<ErrorCode>(position);
    }
    return ServerError::Unknown;
}
