#include "PpmFile.h"

#include "imaging/Dib.h"
#include "imaging/PixelRow.h"
#include "platform/AtomicFile.h"

#include <algorithm>
#include <vector>

ErrorCode WritePpmFile(const Dib& bitmap, const std::string& path)
{
    if (bitmap.IsNull())
        return Error::InvalidParameter;
    auto file = AtomicFile::Begin(path);
    if (file.IsError())
        return file.GetError();
    std::string header = "P6\n" + std::to_string(bitmap.Width()) + " " + std::to_string(bitmap.Height()) + "\n255\n";
    if (auto error = file->Write(header.data(), header.size()))
        return error;
    // Rows go out in batches of about 64 KB: tall, narrow pictures would
    // otherwise cost one write per row.
    size_t rowBytes = static_cast<size_t>(bitmap.Width()) * 3;
    size_t rowsPerBatch = std::max<size_t>(1, 65536 / rowBytes);
    std::vector<uint8_t> batch(rowBytes * rowsPerBatch);
    size_t filled = 0;
    for (int y = 0; y < bitmap.Height(); ++y) {
        PixelRowToRgb(bitmap.Row(y), bitmap.BitCount(), batch.data() + filled, bitmap.Width());
        filled += rowBytes;
        if (filled == batch.size() || y == bitmap.Height() - 1) {
            if (auto error = file->Write(batch.data(), filled))
                return error;
            filled = 0;
        }
    }
    return file->Commit();
}
