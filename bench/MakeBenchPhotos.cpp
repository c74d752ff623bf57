// vbx_make_bench_photos DIR COUNT KILOBYTES: COUNT different photo-like
// JPEGs of about KILOBYTES each ("photo-N.jpg"), for the sync benchmark
// (scripts/bench-sync.sh). The size is found once, on the first photo.

#include "JpegTestKit.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

static bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    bool written = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (file && std::fclose(file) != 0)
        written = false;
    return written;
}

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: vbx_make_bench_photos DIR COUNT KILOBYTES\n");
        return 2;
    }
    std::string folder = argv[1];
    int count = std::atoi(argv[2]);
    std::size_t wanted = static_cast<std::size_t>(std::atol(argv[3])) * 1024;
    // Grows the picture by 10% at a time until it encodes to the size.
    int width = 160;
    while (EncodeJpeg(MakePhotoLikePicture(width, width * 3 / 4, 1), {}).size() < wanted)
        width = width * 11 / 10;
    for (int i = 0; i < count; ++i) {
        std::string path = folder + "/photo-" + std::to_string(i) + ".jpg";
        if (!WriteFile(path, EncodeJpeg(MakePhotoLikePicture(width, width * 3 / 4, static_cast<uint32_t>(i + 1)), {}))) {
            std::fprintf(stderr, "vbx_make_bench_photos: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    std::printf("%d photos of %dx%d\n", count, width, width * 3 / 4);
    return 0;
}
