#pragma once

#include "imaging/Dib.h"
#include "imaging/JpegInfo.h"
#include "imaging/JpegSource.h"
#include "imaging/Rect.h"
#include "platform/ErrorOr.h"

#include <cstdint>
#include <memory>

class DeviceContext;
class File;
class JpegDecoder;
struct FittingDecision;

// One JPEG picture, from an open file or a memory block, decoded, fitted,
// scaled and drawn as the LoadFlags ask. The file (or block) must outlive
// the object.
class JpegImage {
public:
    // Reading starts at the top of the file whatever its position.
    explicit JpegImage(File& file);
    // Reading never goes past size bytes.
    JpegImage(const uint8_t* data, size_t size);
    ~JpegImage();
    JpegImage(const JpegImage&) = delete;
    JpegImage& operator=(const JpegImage&) = delete;

    // Reads the headers up to the frame: 0, 2 when the frame gives 0 x 0, or
    // the decoder's code.
    ErrorCode ReadInfo(JpegInfo& info);

    // Decodes, fits and draws the picture into rect; on success rect holds
    // where it went. A failure draws nothing and leaves rect alone.
    ErrorCode Draw(DeviceContext& context, Rect& rect, uint32_t flags);

    // The same with ReturnBitmap: the fitted bitmap is handed to the caller.
    ErrorCode LoadBitmap(Rect& rect, uint32_t flags, Dib& bitmap);

    // Decodes the main picture or its EXIF thumbnail at 1/2^scale without
    // any fitting: the bitmap's visible size is the picture's >> scale.
    ErrorOr<Dib> Decode(int scale, bool exifThumbnail);

    // After Draw with ReturnBitmap: the bitmap, which the caller then owns.
    Dib TakeBitmap() { return std::move(m_bitmap); }

    const Rect& ResultRect() const { return m_result; }

private:
    ErrorCode Load(DeviceContext* context, Rect& rect, uint32_t flags);
    ErrorOr<Dib> DecodeFitted(const FittingDecision& decision);
    ErrorCode Start();

    JpegSource m_source;
    std::unique_ptr<JpegDecoder> m_decoder;
    Dib m_bitmap;
    Rect m_result;
};
