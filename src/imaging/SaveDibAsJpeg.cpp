#include "imaging/SaveDibAsJpeg.h"

#include "imaging/Dib.h"
#include "imaging/PixelRow.h"
#include "platform/AtomicFile.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr size_t OutputBufferSize = 16384;

// The compressor's destination: the temporary file of an atomic save, or
// memory.
struct FileDestination {
    jpeg_destination_mgr manager;
    std::function<ErrorCode(const void*, size_t)> write;
    JOCTET buffer[OutputBufferSize];
    ErrorCode error;
};

// libjpeg's own handler ends the process; this one returns to the caller.
struct ErrorHandler {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void InitDestination(j_compress_ptr compressor)
{
    auto* destination = reinterpret_cast<FileDestination*>(compressor->dest);
    destination->manager.next_output_byte = destination->buffer;
    destination->manager.free_in_buffer = OutputBufferSize;
}

void WriteOut(FileDestination* destination, size_t size)
{
    if (destination->error == Error::Success && size > 0)
        destination->error = destination->write(destination->buffer, size);
}

boolean EmptyOutputBuffer(j_compress_ptr compressor)
{
    auto* destination = reinterpret_cast<FileDestination*>(compressor->dest);
    WriteOut(destination, OutputBufferSize);
    InitDestination(compressor);
    return TRUE;
}

void TermDestination(j_compress_ptr compressor)
{
    auto* destination = reinterpret_cast<FileDestination*>(compressor->dest);
    WriteOut(destination, OutputBufferSize - destination->manager.free_in_buffer);
}

[[noreturn]] void ErrorExit(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorHandler*>(info->err)->jump, 1);
}

void SilentMessage(j_common_ptr) { }

// The compression proper. Only plain data lives in this frame, so that a
// jump back from the error handler skips no destructor.
bool Compress(const Dib& bitmap, int quality, FileDestination& destination, uint8_t* row)
{
    jpeg_compress_struct compressor {};
    ErrorHandler handler {};
    compressor.err = jpeg_std_error(&handler.manager);
    handler.manager.error_exit = ErrorExit;
    handler.manager.output_message = SilentMessage;
    if (setjmp(handler.jump)) {
        jpeg_destroy_compress(&compressor);
        return false;
    }
    jpeg_create_compress(&compressor);
    destination.manager.init_destination = InitDestination;
    destination.manager.empty_output_buffer = EmptyOutputBuffer;
    destination.manager.term_destination = TermDestination;
    compressor.dest = &destination.manager;

    compressor.image_width = static_cast<JDIMENSION>(bitmap.Width());
    compressor.image_height = static_cast<JDIMENSION>(bitmap.Height());
    compressor.input_components = 3;
    compressor.in_color_space = JCS_RGB;
    jpeg_set_defaults(&compressor);
    jpeg_set_quality(&compressor, std::clamp(quality, 0, 100), TRUE);
    jpeg_start_compress(&compressor, TRUE);
    for (int y = 0; y < bitmap.Height(); ++y) {
        PixelRowToRgb(bitmap.Row(y), bitmap.BitCount(), row, bitmap.Width());
        JSAMPROW rows[1] = { row };
        jpeg_write_scanlines(&compressor, rows, 1);
    }
    jpeg_finish_compress(&compressor);
    jpeg_destroy_compress(&compressor);
    return true;
}

}

// Compresses the bitmap into whatever `write` takes.
static ErrorCode EncodeDib(const Dib& bitmap, int quality, std::function<ErrorCode(const void*, size_t)> write)
{
    if (bitmap.IsNull() || bitmap.Width() <= 0 || bitmap.Height() <= 0)
        return Error::InvalidParameter;
    auto destination = std::make_unique<FileDestination>();
    destination->write = std::move(write);
    destination->error = Error::Success;
    std::vector<uint8_t> row(static_cast<size_t>(bitmap.Width()) * 3);
    if (!Compress(bitmap, quality, *destination, row.data()))
        return destination->error ? destination->error : Error::GeneralFailure;
    return destination->error;
}

ErrorCode SaveDibAsJpeg(const Dib& bitmap, const std::string& path, int quality)
{
    if (bitmap.IsNull() || bitmap.Width() <= 0 || bitmap.Height() <= 0)
        return Error::InvalidParameter;
    auto file = AtomicFile::Begin(path);
    if (file.IsError())
        return file.GetError();
    if (ErrorCode error = EncodeDib(bitmap, quality, [&](const void* data, size_t size) { return file->Write(data, size); }))
        return error;
    return file->Commit();
}

ErrorOr<std::vector<std::uint8_t>> EncodeDibAsJpeg(const Dib& bitmap, int quality)
{
    std::vector<std::uint8_t> bytes;
    ErrorCode error = EncodeDib(bitmap, quality, [&](const void* data, size_t size) {
        auto* first = static_cast<const std::uint8_t*>(data);
        bytes.insert(bytes.end(), first, first + size);
        return Error::Success;
    });
    if (error)
        return ErrorOr<std::vector<std::uint8_t>>::FromError(error);
    return bytes;
}
