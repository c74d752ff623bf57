#pragma once

// Pictures and JPEG files for the imaging tests and benchmarks, made and
// decoded with libjpeg-turbo (the reference the decoder is measured against).

#include <cstdint>
#include <string>
#include <vector>

struct RgbPicture {
    int width { 0 };
    int height { 0 };
    std::vector<uint8_t> rgb; // red, green, blue per pixel, rows top-down
};

// A picture with the statistics of a photograph: soft shading, a few hard
// edges, fine texture and sensor noise. The same seed gives the same picture.
RgbPicture MakePhotoLikePicture(int width, int height, uint32_t seed);

struct JpegOptions {
    int quality { 90 };
    int lumaHorizontal { 2 }; // sampling of the first component
    int lumaVertical { 2 };
    bool grey { false };
    int restartInterval { 0 }; // in MCUs
    bool progressive { false };
    bool arithmetic { false };
    std::vector<uint8_t> app1; // written as an APP1 segment when not empty
};

std::vector<uint8_t> EncodeJpeg(const RgbPicture& picture, const JpegOptions& options);

// libjpeg-turbo's decode to 8-bit RGB at 1/denominator, without fancy
// upsampling, with its accurate integer transform.
RgbPicture ReferenceDecode(const std::vector<uint8_t>& jpeg, int denominator);

// Peak signal-to-noise ratio in dB between two RGB565 pictures, each pixel
// widened to 8 bits per channel; width x height pixels are compared.
double Psnr565(const uint16_t* a, size_t strideA, const uint16_t* b, size_t strideB, int width, int height);

// Packs an RGB picture to RGB565 by truncation (stride = width).
std::vector<uint16_t> PackRgb565(const RgbPicture& picture);

// An APP1 body ("Exif\0\0" and a TIFF structure) with the given texts and,
// when thumbnail is not empty, a JPEG thumbnail in IFD1.
std::vector<uint8_t> MakeExifBlock(bool bigEndian, const std::string& dateTaken, const std::string& description,
    const std::vector<uint8_t>& thumbnail);
