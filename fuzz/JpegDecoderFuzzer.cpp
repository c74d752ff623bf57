// libFuzzer target: every input is a JPEG, read from memory or, for some
// inputs, from a file. The decoder must neither read outside it nor crash,
// whatever it holds.

#include "JpegDecoderExercise.h"

#include "imaging/JpegImage.h"
#include "platform/File.h"

#include <cstddef>
#include <cstdint>
#include <sys/mman.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    uint8_t choice = size ? data[size - 1] : 0;
    if ((choice & 0x03) == 0x03 && (choice & 0x0C)) {
        // Through the file buffer, with its refills and look-back byte.
        int fd = ::memfd_create("jpeg", MFD_CLOEXEC);
        if (fd < 0)
            return 0;
        File file(fd);
        if (file.WriteAll(data, size) == Error::Success) {
            JpegImage image(file);
            ExerciseJpeg(image, choice);
        }
        return 0;
    }
    JpegImage image(data, size);
    ExerciseJpeg(image, choice);
    return 0;
}
