#include "service/PhotoFileName.h"

#include "platform/Path.h"

#include <algorithm>

namespace {

// Well below the 255 bytes of a name, leaving room for "-N" and the
// temporary suffix of a save.
constexpr std::size_t kLongestName = 180;
constexpr std::string_view kSavingMark = ".saving-";

bool IsUnsafe(unsigned char c)
{
    return c < 0x20 || c == 0x7F || c == '\\' || c == '/';
}

// The length of the text cut to at most `limit` bytes, back to the start
// of a UTF-8 character.
std::size_t CutLength(std::string_view text, std::size_t limit)
{
    if (text.size() <= limit)
        return text.size();
    std::size_t length = limit;
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        --length;
    return length;
}

}

std::string PhotoFileNameFor(std::string_view fullSizeAddress, std::uint32_t entryId)
{
    std::size_t slash = fullSizeAddress.rfind('/');
    std::string name(slash == std::string_view::npos ? fullSizeAddress : fullSizeAddress.substr(slash + 1));
    std::replace_if(
        name.begin(), name.end(), [](char c) { return IsUnsafe(static_cast<unsigned char>(c)); }, '_');
    for (std::size_t mark = name.find(kSavingMark); mark != std::string::npos; mark = name.find(kSavingMark, mark))
        name[mark] = '_';
    if (name.size() > kLongestName) {
        // Keep the extension, which says what the file is.
        std::string extension = ExtensionOf(name);
        std::size_t keep = extension.size() < 16 ? extension.size() + 1 : 0;
        name = name.substr(0, CutLength(name, kLongestName - keep)) + (keep ? "." + extension : "");
    }
    if (name.find_first_not_of('.') == std::string::npos)
        name = std::to_string(entryId) + ".jpg";
    return name;
}

std::string NumberedPhotoFileName(std::string_view name, unsigned number)
{
    std::string text(name);
    std::string extension = ExtensionOf(text);
    std::string stem = extension.empty() ? text : text.substr(0, text.size() - extension.size() - 1);
    return stem + "-" + std::to_string(number) + (extension.empty() ? "" : "." + extension);
}
