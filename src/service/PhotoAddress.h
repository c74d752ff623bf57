#pragma once

#include "model/BlogEntry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The photo size codes of the sync: the picture of an entry that a blog
// keeps on the device, and the address each is fetched from.
//
//   0 nothing         (no download at all)
//   1 thumbnails      the thumbnail address, unchanged
//   2 176x132         the photo address through the scaler, 176 / 80
//   3 240x180         the photo address through the scaler, 240 / 85
//   4 320x240         the photo address through the scaler, 320 / 90
//   5 480x360         the photo address, unchanged
//   6 640x480         the full-size address through the scaler, 640 / 90
//   7 full size       the full-size address, unchanged
//
// An entry's photo state holds the code of the picture it has; the states
// 8 to 13 ask for the picture of code state - 6 at the next sync.
namespace PhotoSize {

constexpr std::uint16_t Nothing = 0;
constexpr std::uint16_t Thumbnail = 1;
constexpr std::uint16_t Picture = 5;
constexpr std::uint16_t FullSize = 7;
constexpr std::uint8_t FirstRequestState = 8;
constexpr std::uint8_t LastRequestState = 13;
constexpr std::uint8_t RequestStateOffset = 6;

}

// The picture to fetch for an entry: its address and the size code it
// stands for.
struct PhotoAddress {
    std::string url;
    std::uint16_t sizeCode { 0 };
};

// The address of an entry's picture at a size code. When the address the
// code names is missing, the next is tried, in the order thumbnail, photo
// through the scaler, photo, full size through the scaler; when none is
// left the code becomes 7 with the full-size address (empty when the entry
// has none).
PhotoAddress ChoosePhotoAddress(const BlogEntry& entry, std::uint16_t sizeCode);

// A photo address through the service's scaler: the scheme and host of the
// address (up to and including its third "/"), then
// "si.aspx?img=REST&ld=LONG-SIDE&q=QUALITY". Empty when the address has no
// path.
std::string ScalerAddress(std::string_view photoAddress, unsigned longSide, unsigned quality);

// Where an address leads: ParseWebAddress (transport/WebAddress.h).

// Addresses shorter than this are not fetched: there is nothing to fetch.
constexpr std::size_t kShortestPhotoAddress = 10;
