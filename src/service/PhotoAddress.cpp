#include "service/PhotoAddress.h"

#include <array>

namespace {

// Where a picture comes from, in the order the fallbacks are tried.
enum class Source {
    Thumbnail,
    PhotoScaled,
    Photo,
    FullSizeScaled,
};

struct ScalerSettings {
    unsigned longSide { 0 };
    unsigned quality { 0 };
};

ScalerSettings ScalerSettingsFor(std::uint16_t sizeCode)
{
    switch (sizeCode) {
    case 2:
        return { 176, 80 };
    case 3:
        return { 240, 85 };
    case 4:
        return { 320, 90 };
    case 6:
        return { 640, 90 };
    default:
        // Codes whose address is used unchanged ask the scaler for the
        // picture as it is.
        return {};
    }
}

Source FirstSourceFor(std::uint16_t sizeCode)
{
    if (sizeCode <= PhotoSize::Thumbnail)
        return Source::Thumbnail;
    if (sizeCode < PhotoSize::Picture)
        return Source::PhotoScaled;
    if (sizeCode == PhotoSize::Picture)
        return Source::Photo;
    return Source::FullSizeScaled;
}

const std::string& AddressOf(const BlogEntry& entry, Source source)
{
    switch (source) {
    case Source::Thumbnail:
        return entry.GetThumbnailUrl();
    case Source::PhotoScaled:
    case Source::Photo:
        return entry.GetPhotoUrl();
    case Source::FullSizeScaled:
        break;
    }
    return entry.GetSourceUrl();
}

constexpr std::array kSources { Source::Thumbnail, Source::PhotoScaled, Source::Photo, Source::FullSizeScaled };

}

PhotoAddress ChoosePhotoAddress(const BlogEntry& entry, std::uint16_t sizeCode)
{
    if (sizeCode >= PhotoSize::FullSize)
        return { entry.GetSourceUrl(), PhotoSize::FullSize };
    ScalerSettings scaler = ScalerSettingsFor(sizeCode);
    for (Source source : kSources) {
        if (source < FirstSourceFor(sizeCode))
            continue;
        const std::string& address = AddressOf(entry, source);
        if (address.empty())
            continue;
        if (source == Source::PhotoScaled || source == Source::FullSizeScaled)
            return { ScalerAddress(address, scaler.longSide, scaler.quality), sizeCode };
        return { address, sizeCode };
    }
    return { entry.GetSourceUrl(), PhotoSize::FullSize };
}

std::string ScalerAddress(std::string_view photoAddress, unsigned longSide, unsigned quality)
{
    std::size_t slash = std::string_view::npos;
    for (int count = 0; count < 3; ++count) {
        slash = photoAddress.find('/', slash == std::string_view::npos ? 0 : slash + 1);
        if (slash == std::string_view::npos)
            return {};
    }
    std::string address(photoAddress.substr(0, slash + 1));
    address += "si.aspx?img=";
    address += photoAddress.substr(slash + 1);
    address += "&ld=" + std::to_string(longSide) + "&q=" + std::to_string(quality);
    return address;
}
