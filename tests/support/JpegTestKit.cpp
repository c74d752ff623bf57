#include "JpegTestKit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include <jpeglib.h>

namespace {

uint32_t Hash(uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7feb352d;
    x ^= x >> 15;
    x *= 0x846ca68b;
    x ^= x >> 16;
    return x;
}

// Value noise: random values on a lattice, interpolated between.
class ValueNoise {
public:
    ValueNoise(int width, int height, int cell, uint32_t seed)
        : m_cell(cell)
        , m_columns(width / cell + 2)
        , m_rows(height / cell + 2)
        , m_values(static_cast<size_t>(m_columns) * m_rows)
    {
        for (size_t i = 0; i < m_values.size(); ++i)
            m_values[i] = static_cast<float>(Hash(static_cast<uint32_t>(i) * 2654435761u + seed) & 0xFFFF) / 65535.0f - 0.5f;
    }

    float At(int x, int y) const
    {
        int cx = x / m_cell, cy = y / m_cell;
        float fx = static_cast<float>(x % m_cell) / m_cell, fy = static_cast<float>(y % m_cell) / m_cell;
        fx = fx * fx * (3 - 2 * fx);
        fy = fy * fy * (3 - 2 * fy);
        const float* row0 = &m_values[static_cast<size_t>(cy) * m_columns + cx];
        const float* row1 = row0 + m_columns;
        float top = row0[0] + (row0[1] - row0[0]) * fx;
        float bottom = row1[0] + (row1[1] - row1[0]) * fx;
        return top + (bottom - top) * fy;
    }

private:
    int m_cell, m_columns, m_rows;
    std::vector<float> m_values;
};

struct ErrorJump {
    jpeg_error_mgr manager;
};

[[noreturn]] void ThrowError(j_common_ptr info)
{
    char text[JMSG_LENGTH_MAX];
    info->err->format_message(info, text);
    throw std::runtime_error(text);
}

}

RgbPicture MakePhotoLikePicture(int width, int height, uint32_t seed)
{
    RgbPicture picture { width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height * 3) };
    int scale = std::max(1, std::min(width, height) / 8);
    ValueNoise shape(width, height, scale * 3, seed + 1);
    ValueNoise light(width, height, std::max(2, scale), seed + 2);
    ValueNoise detail(width, height, 6, seed + 3);
    ValueNoise fine(width, height, 2, seed + 4);
    ValueNoise hue(width, height, std::max(2, scale * 2), seed + 5);
    ValueNoise hue2(width, height, std::max(2, scale), seed + 6);
    ValueNoise speckle(width, height, 3, seed + 7);
    uint32_t state = seed * 747796405u + 1;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            float sky = 170.0f - 90.0f * static_cast<float>(y) / height;
            float shade = sky + 120.0f * shape.At(x, y) + 60.0f * light.At(x, y);
            // Hard-edged objects: a band of stripes and a disc.
            int dx = x - width * 2 / 3, dy = y - height / 2;
            if (dx * dx + dy * dy < (height / 5) * (height / 5))
                shade = shade * 0.5f + 20.0f;
            if (y > height * 3 / 4 && (x / std::max(1, width / 40)) % 2 == 0)
                shade += 35.0f;
            float texture = 30.0f * detail.At(x, y) + 24.0f * fine.At(x, y);
            state = state * 747796405u + 2891336453u;
            float noise = static_cast<float>((Hash(state) & 0xFF) + (Hash(state ^ 0x5bd1e995u) & 0xFF)) / 40.0f - 6.4f;
            float luma = shade + texture + noise;
            float chromaNoise = static_cast<float>(Hash(state ^ 0x9e3779b9u) & 0xFF) / 32.0f - 4.0f;
            float u = 50.0f * hue.At(x, y) + 20.0f * hue2.At(x, y) + 8.0f * speckle.At(x, y) + chromaNoise;
            float v = 40.0f * hue2.At(x, y) - 30.0f * hue.At(x, y) - chromaNoise;
            uint8_t* p = &picture.rgb[(static_cast<size_t>(y) * width + x) * 3];
            p[0] = static_cast<uint8_t>(std::clamp(luma + 1.4f * v, 0.0f, 255.0f));
            p[1] = static_cast<uint8_t>(std::clamp(luma - 0.34f * u - 0.71f * v, 0.0f, 255.0f));
            p[2] = static_cast<uint8_t>(std::clamp(luma + 1.77f * u, 0.0f, 255.0f));
        }
    }
    return picture;
}

std::vector<uint8_t> EncodeJpeg(const RgbPicture& picture, const JpegOptions& options)
{
    jpeg_compress_struct compressor {};
    ErrorJump error {};
    compressor.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = ThrowError;
    jpeg_create_compress(&compressor);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&compressor, &buffer, &size);
    compressor.image_width = static_cast<JDIMENSION>(picture.width);
    compressor.image_height = static_cast<JDIMENSION>(picture.height);
    compressor.input_components = 3;
    compressor.in_color_space = JCS_RGB;
    jpeg_set_defaults(&compressor);
    if (options.grey)
        jpeg_set_colorspace(&compressor, JCS_GRAYSCALE);
    jpeg_set_quality(&compressor, options.quality, TRUE);
    if (!options.grey) {
        compressor.comp_info[0].h_samp_factor = options.lumaHorizontal;
        compressor.comp_info[0].v_samp_factor = options.lumaVertical;
    }
    compressor.restart_interval = static_cast<unsigned>(options.restartInterval);
    compressor.arith_code = options.arithmetic ? TRUE : FALSE;
    if (options.progressive)
        jpeg_simple_progression(&compressor);
    jpeg_start_compress(&compressor, TRUE);
    if (!options.app1.empty())
        jpeg_write_marker(&compressor, JPEG_APP0 + 1, options.app1.data(), static_cast<unsigned>(options.app1.size()));
    std::vector<uint8_t> row(static_cast<size_t>(picture.width) * 3);
    for (int y = 0; y < picture.height; ++y) {
        std::memcpy(row.data(), &picture.rgb[static_cast<size_t>(y) * picture.width * 3], row.size());
        JSAMPROW rows[1] = { row.data() };
        jpeg_write_scanlines(&compressor, rows, 1);
    }
    jpeg_finish_compress(&compressor);
    std::vector<uint8_t> result(buffer, buffer + size);
    jpeg_destroy_compress(&compressor);
    free(buffer);
    return result;
}

RgbPicture ReferenceDecode(const std::vector<uint8_t>& jpeg, int denominator)
{
    jpeg_decompress_struct decompressor {};
    ErrorJump error {};
    decompressor.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = ThrowError;
    jpeg_create_decompress(&decompressor);
    jpeg_mem_src(&decompressor, jpeg.data(), jpeg.size());
    jpeg_read_header(&decompressor, TRUE);
    decompressor.out_color_space = JCS_RGB;
    decompressor.do_fancy_upsampling = FALSE;
    decompressor.dct_method = JDCT_ISLOW;
    decompressor.scale_num = 1;
    decompressor.scale_denom = static_cast<unsigned>(denominator);
    jpeg_start_decompress(&decompressor);
    RgbPicture picture { static_cast<int>(decompressor.output_width), static_cast<int>(decompressor.output_height), {} };
    picture.rgb.resize(static_cast<size_t>(picture.width) * picture.height * 3);
    while (decompressor.output_scanline < decompressor.output_height) {
        JSAMPROW rows[1] = { &picture.rgb[static_cast<size_t>(decompressor.output_scanline) * picture.width * 3] };
        jpeg_read_scanlines(&decompressor, rows, 1);
    }
    jpeg_finish_decompress(&decompressor);
    jpeg_destroy_decompress(&decompressor);
    return picture;
}

std::vector<uint16_t> PackRgb565(const RgbPicture& picture)
{
    std::vector<uint16_t> packed(static_cast<size_t>(picture.width) * picture.height);
    for (size_t i = 0; i < packed.size(); ++i) {
        const uint8_t* p = &picture.rgb[i * 3];
        packed[i] = static_cast<uint16_t>(((p[0] & 0xF8) << 8) | ((p[1] & 0xFC) << 3) | (p[2] >> 3));
    }
    return packed;
}

double Psnr565(const uint16_t* a, size_t strideA, const uint16_t* b, size_t strideB, int width, int height)
{
    double sum = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint16_t pa = a[y * strideA + x], pb = b[y * strideB + x];
            int channels[3][2] = {
                { (pa >> 8) & 0xF8, (pb >> 8) & 0xF8 },
                { (pa >> 3) & 0xFC, (pb >> 3) & 0xFC },
                { (pa << 3) & 0xF8, (pb << 3) & 0xF8 },
            };
            for (auto& c : channels)
                sum += (c[0] - c[1]) * (c[0] - c[1]);
        }
    }
    double mse = sum / (3.0 * width * height);
    if (mse == 0)
        return 99.0;
    return 10.0 * std::log10(255.0 * 255.0 / mse);
}

namespace {

class TiffWriter {
public:
    explicit TiffWriter(bool bigEndian)
        : m_bigEndian(bigEndian)
    {
    }

    void Put16(size_t at, uint32_t value)
    {
        Grow(at + 2);
        m_bytes[at + (m_bigEndian ? 0 : 1)] = static_cast<uint8_t>(value >> 8);
        m_bytes[at + (m_bigEndian ? 1 : 0)] = static_cast<uint8_t>(value);
    }

    void Put32(size_t at, uint32_t value)
    {
        Grow(at + 4);
        for (int i = 0; i < 4; ++i)
            m_bytes[at + (m_bigEndian ? i : 3 - i)] = static_cast<uint8_t>(value >> (24 - 8 * i));
    }

    void Entry(size_t at, uint16_t tag, uint16_t type, uint32_t count, uint32_t value)
    {
        Put16(at, tag);
        Put16(at + 2, type);
        Put32(at + 4, count);
        if (type == 3 && count == 1) {
            Put16(at + 8, value);
            Put16(at + 10, 0);
        } else {
            Put32(at + 8, value);
        }
    }

    // Appends data at the end; returns its offset.
    uint32_t Append(const void* data, size_t size)
    {
        size_t at = m_bytes.size();
        m_bytes.insert(m_bytes.end(), static_cast<const uint8_t*>(data), static_cast<const uint8_t*>(data) + size);
        return static_cast<uint32_t>(at);
    }

    std::vector<uint8_t>& Bytes() { return m_bytes; }

private:
    void Grow(size_t size)
    {
        if (m_bytes.size() < size)
            m_bytes.resize(size);
    }

    bool m_bigEndian;
    std::vector<uint8_t> m_bytes;
};

}

std::vector<uint8_t> MakeExifBlock(bool bigEndian, const std::string& dateTaken, const std::string& description,
    const std::vector<uint8_t>& thumbnail)
{
    TiffWriter tiff(bigEndian);
    tiff.Bytes() = { static_cast<uint8_t>(bigEndian ? 'M' : 'I'), static_cast<uint8_t>(bigEndian ? 'M' : 'I') };
    tiff.Put16(2, 42);
    tiff.Put32(4, 8);
    // IFD0: description, Exif sub-IFD pointer. Sub-IFD: date taken.
    // IFD1: compression, thumbnail offset and length.
    const size_t ifd0 = 8, ifd0Entries = 2;
    const size_t exifIfd = ifd0 + 2 + ifd0Entries * 12 + 4, exifEntries = 1;
    const size_t ifd1 = exifIfd + 2 + exifEntries * 12 + 4, ifd1Entries = 3;
    const size_t dataStart = ifd1 + 2 + ifd1Entries * 12 + 4;
    tiff.Put32(dataStart, 0);
    tiff.Bytes().resize(dataStart);
    std::string descriptionText = description + '\0';
    std::string dateText = dateTaken + '\0';
    uint32_t descriptionAt = tiff.Append(descriptionText.data(), descriptionText.size());
    uint32_t dateAt = tiff.Append(dateText.data(), dateText.size());
    uint32_t thumbnailAt = thumbnail.empty() ? 0 : tiff.Append(thumbnail.data(), thumbnail.size());

    tiff.Put16(ifd0, ifd0Entries);
    tiff.Entry(ifd0 + 2, 270, 2, static_cast<uint32_t>(descriptionText.size()), descriptionAt);
    tiff.Entry(ifd0 + 14, 34665, 4, 1, static_cast<uint32_t>(exifIfd));
    tiff.Put32(ifd0 + 26, static_cast<uint32_t>(ifd1));

    tiff.Put16(exifIfd, exifEntries);
    tiff.Entry(exifIfd + 2, 36867, 2, static_cast<uint32_t>(dateText.size()), dateAt);
    tiff.Put32(exifIfd + 14, 0);

    tiff.Put16(ifd1, ifd1Entries);
    tiff.Entry(ifd1 + 2, 259, 3, 1, 6);
    tiff.Entry(ifd1 + 14, 513, 4, 1, thumbnailAt);
    tiff.Entry(ifd1 + 26, 514, 4, 1, static_cast<uint32_t>(thumbnail.size()));
    tiff.Put32(ifd1 + 38, 0);

    std::vector<uint8_t> block(6 + tiff.Bytes().size());
    std::memcpy(block.data(), "Exif\0\0", 6);
    std::memcpy(block.data() + 6, tiff.Bytes().data(), tiff.Bytes().size());
    return block;
}
