#include "workflows/CameraNotice.h"

#include "app/Preferences.h"
#include "platform/CodePage.h"
#include "workflows/MainViewController.h"

#include <algorithm>

namespace CameraNotice {

std::vector<std::uint8_t> MakeBlock(std::string_view path, std::uint32_t result)
{
    std::u16string text = Utf8ToUtf16(path);
    size_t characters = std::max(text.size() + 1, kShortestPathField);
    std::vector<std::uint8_t> block(kPathOffset + 2 * characters, 0);
    for (size_t i = 0; i < 4; ++i)
        block[kResultOffset + i] = static_cast<std::uint8_t>(result >> (8 * i));
    for (size_t i = 0; i < text.size(); ++i) {
        block[kPathOffset + 2 * i] = static_cast<std::uint8_t>(text[i] & 0xFF);
        block[kPathOffset + 2 * i + 1] = static_cast<std::uint8_t>(text[i] >> 8);
    }
    return block;
}

std::optional<std::string> ReadPath(std::uint32_t dataType, std::span<const std::uint8_t> block)
{
    if (dataType != kDataType || block.size() < kPathOffset)
        return std::nullopt;
    std::uint32_t result = 0;
    for (size_t i = 0; i < 4; ++i)
        result |= std::uint32_t(block[kResultOffset + i]) << (8 * i);
    if (result != kPhotoTaken)
        return std::nullopt;
    // The path ends at its NUL, which must lie inside the block: a block
    // without one is not read past its end.
    std::u16string path;
    for (size_t at = kPathOffset; at + 1 < block.size(); at += 2) {
        char16_t c = static_cast<char16_t>(block[at] | (block[at + 1] << 8));
        if (c == 0)
            return path.empty() ? std::nullopt : std::optional(Utf16ToUtf8(path));
        path.push_back(c);
    }
    return std::nullopt;
}

bool Deliver(MainViewController& view, std::uint32_t dataType, std::span<const std::uint8_t> block)
{
    std::optional<std::string> path = ReadPath(dataType, block);
    // A camera application's own "Camera [Photo]" window would be closed
    // here; no camera application here leaves one behind.
    if (!path || !view.GetCurrentBlog())
        return false;
    view.AddPhotoEntry(*path, ReadShowEditDialog() != 0);
    return true;
}

}
