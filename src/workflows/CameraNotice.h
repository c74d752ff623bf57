#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class MainViewController;

// The notice by which a camera application (or a folder watcher) hands the
// running program a photo it has just taken: a message of data type 48002
// whose block holds a 32-bit result word at byte 4 (0 when a photo was
// taken) and the photo's path as a NUL-terminated UTF-16 string from byte
// 552 on. Numbers are little-endian.
namespace CameraNotice {

constexpr std::uint32_t kDataType = 48002;
constexpr size_t kResultOffset = 4;
constexpr size_t kPathOffset = 552;
// The path field holds at least the handheld's 260 characters.
constexpr size_t kShortestPathField = 260;
constexpr std::uint32_t kPhotoTaken = 0;

// The block of a notice for a photo path (UTF-8) and a result word.
std::vector<std::uint8_t> MakeBlock(std::string_view path, std::uint32_t result = kPhotoTaken);

// The photo path (UTF-8) a notice carries: none when its data type is not
// 48002, its result word is not 0, or its block is too short or holds no
// NUL-terminated path.
std::optional<std::string> ReadPath(std::uint32_t dataType, std::span<const std::uint8_t> block);

// What the main view does with a notice: when it carries a photo path and
// a blog is open, the photo becomes a new entry of that blog, with the
// edit entry dialog as "Show Edit Dialog" says. Returns whether the photo
// was handed to the blog.
bool Deliver(MainViewController& view, std::uint32_t dataType, std::span<const std::uint8_t> block);

}
