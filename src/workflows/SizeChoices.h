#pragma once

#include "app/StringTable.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The photo size choices that the sync settings, the subscribe dialog and
// the download-photo dialog offer: each row is a text of the string table
// and the size code it stands for.
struct SizeChoice {
    StringId text;
    std::uint16_t value;
};

// "Download:" (the value is the position in the list): "Nothing",
// "Thumbnails", then the photo sizes up to "Full size".
std::span<const SizeChoice> DownloadSizeChoices();
// "Upload:": "320x240" to "Full size photos".
std::span<const SizeChoice> UploadSizeChoices();
// The download-photo dialog's: the photo sizes of "Download:", without
// "Nothing" and "Thumbnails".
std::span<const SizeChoice> DownloadPhotoSizeChoices();

// A size list as a dialog fills it: one item per row, each carrying its
// value, and the item whose value is the current setting selected (none
// when no row has it).
struct SizeList {
    struct Item {
        std::string text;
        std::uint16_t value;
    };
    std::vector<Item> items;
    std::optional<size_t> selected;

    // The value of an item; none for no item or an index out of range.
    std::optional<std::uint16_t> ValueAt(std::optional<size_t> index) const;
};
SizeList MakeSizeList(std::span<const SizeChoice> choices, std::uint32_t current);
