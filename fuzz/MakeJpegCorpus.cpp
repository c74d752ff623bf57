// Writes the seed inputs for the JPEG decoder fuzzer: small files of every
// layout the decoder takes, with restart markers, EXIF blocks in both byte
// orders, and the refused kinds.
//   make-jpeg-corpus FOLDER

#include "JpegTestKit.h"

#include <cstdio>
#include <string>

static void Write(const std::string& folder, const std::string& name, const std::vector<uint8_t>& bytes)
{
    std::string path = folder + "/" + name;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-jpeg-corpus FOLDER\n");
        return 2;
    }
    std::string folder = argv[1];
    RgbPicture picture = MakePhotoLikePicture(37, 29, 3);
    const int layouts[4][2] = { { 2, 2 }, { 2, 1 }, { 1, 2 }, { 1, 1 } };
    for (auto& layout : layouts) {
        JpegOptions options;
        options.quality = 75;
        options.lumaHorizontal = layout[0];
        options.lumaVertical = layout[1];
        std::string name = "seed-" + std::to_string(layout[0]) + "x" + std::to_string(layout[1]);
        Write(folder, name + ".jpg", EncodeJpeg(picture, options));
        options.restartInterval = 1;
        Write(folder, name + "-restart.jpg", EncodeJpeg(picture, options));
    }
    JpegOptions grey;
    grey.grey = true;
    Write(folder, "seed-grey.jpg", EncodeJpeg(picture, grey));
    JpegOptions progressive;
    progressive.progressive = true;
    Write(folder, "seed-progressive.jpg", EncodeJpeg(picture, progressive));
    JpegOptions arithmetic;
    arithmetic.arithmetic = true;
    Write(folder, "seed-arithmetic.jpg", EncodeJpeg(picture, arithmetic));
    JpegOptions small;
    small.quality = 50;
    std::vector<uint8_t> thumbnail = EncodeJpeg(MakePhotoLikePicture(16, 12, 4), small);
    for (bool bigEndian : { false, true }) {
        JpegOptions withExif;
        withExif.quality = 60;
        withExif.app1 = MakeExifBlock(bigEndian, "2024:05:06 07:08:09", "A seed picture", thumbnail);
        Write(folder, bigEndian ? "seed-exif-mm.jpg" : "seed-exif-ii.jpg", EncodeJpeg(picture, withExif));
    }
    return 0;
}
