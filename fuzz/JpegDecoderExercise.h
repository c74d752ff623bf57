#pragma once

#include <cstdint>
#include <span>
#include <string>

class JpegImage;

// Pictures are bounded so that one input takes milliseconds: a tiny file
// may claim 65535 x 65535 pixels, all of which the decoder would produce.
// A replay of the kept inputs, which are few, decodes bigger ones too.
constexpr std::uint64_t kMaximumFuzzedPixels = 1u << 20;
constexpr std::uint64_t kMaximumReplayedPixels = 1u << 24;

// One run of the JPEG fuzzer over a picture: its header, then (for a picture
// within the bound) a decode and a fitting chosen by the bits of `choice`,
// and the EXIF thumbnail.
void ExerciseJpeg(JpegImage& image, std::uint8_t choice);

// Every entry point over a picture from memory, and the header and a decode
// through the file buffer, as one line of the codes they returned, e.g.
// "info 0 120x90 exif; decode 0 0 0 0; thumbnail 0 0 0 0; fill 0; file 0 0".
std::string DescribeJpegOutcome(std::span<const std::uint8_t> bytes);
