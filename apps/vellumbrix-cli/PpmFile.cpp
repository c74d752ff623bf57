#include "PpmFile.h"

#include "imaging/Dib.h"
#include "imaging/PixelRow.h"
#include "platform/AtomicFile.h"

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
    std::vector<uint8_t> row(static_cast<size_t>(bitmap.Width()) * 3);
    for (int y = 0; y < bitmap.Height(); ++y) {
        PixelRowToRgb(bitmap.Row(y), bitmap.BitCount(), row.data(), bitmap.Width());
        if (auto error = file->Write(row.data(), row.size()))
            return error;
    }
    return file->Commit();
}
