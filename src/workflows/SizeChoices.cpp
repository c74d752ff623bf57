#include "workflows/SizeChoices.h"

static constexpr SizeChoice kDownloadSizes[] = {
    { 141, 0 }, // "Nothing"
    { 142, 1 }, // "Thumbnails"
    { 143, 2 }, // "176x132"
    { 144, 3 }, // "240x180"
    { 185, 4 }, // "320x240"
    { 186, 5 }, // "480x360"
    { 187, 6 }, // "640x480"
    { 188, 7 }, // "Full size"
};

static constexpr SizeChoice kUploadSizes[] = {
    { 137, 0 }, // "320x240"
    { 138, 1 }, // "480x360"
    { 139, 2 }, // "640x480"
    { 140, 3 }, // "Full size photos"
};

std::span<const SizeChoice> DownloadSizeChoices()
{
    return kDownloadSizes;
}

std::span<const SizeChoice> UploadSizeChoices()
{
    return kUploadSizes;
}

std::span<const SizeChoice> DownloadPhotoSizeChoices()
{
    return std::span<const SizeChoice>(kDownloadSizes).subspan(2);
}

std::optional<std::uint16_t> SizeList::ValueAt(std::optional<size_t> index) const
{
    if (!index || *index >= items.size())
        return std::nullopt;
    return items[*index].value;
}

SizeList MakeSizeList(std::span<const SizeChoice> choices, std::uint32_t current)
{
    SizeList list;
    for (const SizeChoice& choice : choices) {
        if (choice.value == current && !list.selected)
            list.selected = list.items.size();
        list.items.push_back({ std::string(LoadString(choice.text)), choice.value });
    }
    return list;
}
