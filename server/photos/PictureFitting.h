#pragma once

#include "platform/ErrorOr.h"

#include <cstdint>
#include <string>
#include <string_view>

struct PictureSize {
    int width { 0 };
    int height { 0 };
};

// The most pixels a photo may have.
constexpr std::uint64_t MaximumPhotoPixels = 120'000'000;

// Reads a JPEG's size from its headers (a file whose headers our decoder
// does not read fails with the decoder's code, one larger than
// MaximumPhotoPixels with InvalidData).
ErrorOr<PictureSize> ReadPictureSize(std::string_view jpeg);

// Checks that our decoder decodes the JPEG whole (a progressive or damaged
// file fails with the decoder's code). It decodes every block, which costs
// as much as the rest of an upload.
ErrorCode CheckPictureDecodes(std::string_view jpeg);

// Both: the size of a JPEG our decoder decodes whole.
ErrorOr<PictureSize> CheckDecodablePicture(std::string_view jpeg);

// The size a picture of `size` takes when it is shrunk to fit a box of
// longSide x shortSide turned to the picture's orientation; a picture that
// fits already keeps its size (nothing is ever enlarged).
PictureSize FittedSize(PictureSize size, int longSide, int shortSide);

// Decodes the JPEG with our decoder, scales it to `size` and writes it to
// path with libjpeg-turbo at the quality; the file appears complete or not
// at all.
ErrorCode WriteScaledPicture(std::string_view jpeg, PictureSize size, int quality, const std::string& path);
