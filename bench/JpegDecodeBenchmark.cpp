// Our decoder against libjpeg-turbo (which uses SIMD) on 12-megapixel
// photo-like pictures, at each decode scale. libjpeg-turbo decodes to
// RGB565 without dithering, as ours does.

#include "JpegTestKit.h"
#include "imaging/JpegImage.h"
#include "platform/File.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <unistd.h>

#include <jpeglib.h>

namespace {

constexpr int PhotoWidth = 4000;
constexpr int PhotoHeight = 3000;

struct Photos {
    std::vector<uint8_t> subsampled; // 4:2:0
    std::vector<uint8_t> full;       // 4:4:4
    std::string subsampledPath;
    std::string fullPath;
};

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
        throw std::runtime_error("can't write " + path);
    std::fclose(file);
}

const Photos& GetPhotos()
{
    static const Photos photos = [] {
        Photos made;
        RgbPicture picture = MakePhotoLikePicture(PhotoWidth, PhotoHeight, 2024);
        JpegOptions options;
        options.quality = 90;
        made.subsampled = EncodeJpeg(picture, options);
        options.lumaHorizontal = options.lumaVertical = 1;
        made.full = EncodeJpeg(picture, options);
        std::string stem = "/tmp/vbx-bench-" + std::to_string(::getpid());
        made.subsampledPath = stem + "-420.jpg";
        made.fullPath = stem + "-444.jpg";
        WriteFile(made.subsampledPath, made.subsampled);
        WriteFile(made.fullPath, made.full);
        return made;
    }();
    return photos;
}

const std::vector<uint8_t>& PhotoFor(int layout)
{
    return layout == 0 ? GetPhotos().subsampled : GetPhotos().full;
}

void SetLabel(benchmark::State& state, int layout, int scale)
{
    state.SetLabel(std::string(layout == 0 ? "4:2:0" : "4:4:4") + " 1/" + std::to_string(1 << scale) + " "
        + std::to_string(PhotoFor(layout).size() / 1024) + " KB");
    state.counters["MP/s"] = benchmark::Counter(PhotoWidth * PhotoHeight / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}

void OursFromMemory(benchmark::State& state)
{
    int layout = static_cast<int>(state.range(0));
    int scale = static_cast<int>(state.range(1));
    const std::vector<uint8_t>& jpeg = PhotoFor(layout);
    for (auto _ : state) {
        JpegImage image(jpeg.data(), jpeg.size());
        auto bitmap = image.Decode(scale, false);
        if (bitmap.IsError())
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(bitmap->Bits());
    }
    SetLabel(state, layout, scale);
}

void OursFromFile(benchmark::State& state)
{
    int layout = static_cast<int>(state.range(0));
    int scale = static_cast<int>(state.range(1));
    const std::string& path = layout == 0 ? GetPhotos().subsampledPath : GetPhotos().fullPath;
    for (auto _ : state) {
        auto file = File::Open(path, File::Mode::Read);
        JpegImage image(*file);
        auto bitmap = image.Decode(scale, false);
        if (bitmap.IsError())
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(bitmap->Bits());
    }
    SetLabel(state, layout, scale);
}

void LibjpegTurbo(benchmark::State& state)
{
    int layout = static_cast<int>(state.range(0));
    int scale = static_cast<int>(state.range(1));
    const std::vector<uint8_t>& jpeg = PhotoFor(layout);
    for (auto _ : state) {
        jpeg_decompress_struct decompressor {};
        jpeg_error_mgr error {};
        decompressor.err = jpeg_std_error(&error);
        jpeg_create_decompress(&decompressor);
        jpeg_mem_src(&decompressor, jpeg.data(), jpeg.size());
        jpeg_read_header(&decompressor, TRUE);
        decompressor.out_color_space = JCS_RGB565;
        decompressor.dither_mode = JDITHER_NONE;
        decompressor.scale_num = 1;
        decompressor.scale_denom = 1u << scale;
        jpeg_start_decompress(&decompressor);
        size_t stride = (decompressor.output_width * 2 + 3) & ~size_t(3);
        std::unique_ptr<uint8_t[]> pixels(new uint8_t[stride * decompressor.output_height]);
        while (decompressor.output_scanline < decompressor.output_height) {
            JSAMPROW rows[4];
            for (int i = 0; i < 4; ++i)
                rows[i] = pixels.get() + stride * std::min(decompressor.output_scanline + i, decompressor.output_height - 1);
            jpeg_read_scanlines(&decompressor, rows, 4);
        }
        jpeg_finish_decompress(&decompressor);
        jpeg_destroy_decompress(&decompressor);
        benchmark::DoNotOptimize(pixels.get());
    }
    SetLabel(state, layout, scale);
}

// Not a speed: how close our decode comes to libjpeg-turbo's accurate one
// (RGB, no fancy upsampling, both reduced to RGB565), as PSNR in dB.
void AccuracyAgainstLibjpegTurbo(benchmark::State& state)
{
    int layout = static_cast<int>(state.range(0));
    int scale = static_cast<int>(state.range(1));
    const std::vector<uint8_t>& jpeg = PhotoFor(layout);
    double psnr = 0;
    for (auto _ : state) {
        JpegImage image(jpeg.data(), jpeg.size());
        auto ours = image.Decode(scale, false);
        RgbPicture reference = ReferenceDecode(jpeg, 1 << scale);
        std::vector<uint16_t> packed = PackRgb565(reference);
        psnr = Psnr565(ours->Row16(0), ours->Stride() / 2, packed.data(), static_cast<size_t>(reference.width),
            std::min(ours->Width(), reference.width), std::min(ours->Height(), reference.height));
    }
    state.counters["PSNR_dB"] = psnr;
    state.SetLabel(std::string(layout == 0 ? "4:2:0" : "4:4:4") + " 1/" + std::to_string(1 << scale));
}

void Arguments(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ArgNames({ "layout", "scale" });
    for (int layout : { 0, 1 })
        for (int scale : { 3, 0, 1, 2 })
            benchmark->Args({ layout, scale });
    benchmark->Unit(benchmark::kMillisecond)->MinTime(1.0);
}

}

BENCHMARK(LibjpegTurbo)->Apply(Arguments);
BENCHMARK(OursFromMemory)->Apply(Arguments);
BENCHMARK(OursFromFile)->Apply(Arguments);
BENCHMARK(AccuracyAgainstLibjpegTurbo)->Apply([](benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgNames({ "layout", "scale" });
    for (int layout : { 0, 1 })
        for (int scale : { 0, 1, 2, 3 })
            benchmark->Args({ layout, scale });
    benchmark->Iterations(1)->Unit(benchmark::kMillisecond);
});

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ::unlink(GetPhotos().subsampledPath.c_str());
    ::unlink(GetPhotos().fullPath.c_str());
    return 0;
}
