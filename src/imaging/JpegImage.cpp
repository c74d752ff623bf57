#include "imaging/JpegImage.h"

#include "imaging/DrawBitmap.h"
#include "imaging/FittingDecision.h"
#include "imaging/JpegDecoder.h"
#include "imaging/LoadFlags.h"
#include "imaging/MemoryDeviceContext.h"
#include "imaging/ScaleRotate565.h"

#include <algorithm>
#include <cstring>

JpegImage::JpegImage(File& file)
    : m_source(file)
{
}

JpegImage::JpegImage(const uint8_t* data, size_t size)
    : m_source(data, size)
{
}

JpegImage::~JpegImage() = default;

ErrorCode JpegImage::Start()
{
    if (!m_decoder)
        m_decoder = std::make_unique<JpegDecoder>(m_source);
    if (auto error = m_decoder->StartOver())
        return error;
    return m_decoder->ReadHeader();
}

ErrorCode JpegImage::ReadInfo(JpegInfo& info)
{
    info = JpegInfo();
    if (auto error = Start())
        return error;
    const JpegFrame& frame = m_decoder->Frame();
    const ExifInfo& exif = m_decoder->Exif();
    info.width = frame.width;
    info.height = frame.height;
    info.hasExifThumbnail = exif.hasThumbnail;
    std::memcpy(info.dateTaken, exif.dateTaken.data(), std::min(exif.dateTaken.size(), sizeof info.dateTaken - 1));
    std::memcpy(info.description, exif.description.data(), std::min(exif.description.size(), sizeof info.description - 1));
    if (frame.width == 0 && frame.height == 0)
        return Error::FileNotFound;
    return Error::Success;
}

ErrorOr<Dib> JpegImage::Decode(int scale, bool exifThumbnail)
{
    if (auto error = Start())
        return ErrorOr<Dib>::FromError(error);
    if (exifThumbnail) {
        if (auto error = m_decoder->StartThumbnail())
            return ErrorOr<Dib>::FromError(error);
    }
    return m_decoder->DecodePicture(scale);
}

ErrorOr<Dib> JpegImage::DecodeFitted(const FittingDecision& decision)
{
    if (decision.useExifThumbnail) {
        if (auto error = m_decoder->StartThumbnail())
            return ErrorOr<Dib>::FromError(error);
    }
    return m_decoder->DecodePicture(decision.scale);
}

// Cuts the centre of the picture out at exactly width x height.
static ErrorOr<Dib> CropCentre(const Dib& picture, int width, int height)
{
    auto cropped = CreateDib(width, height, 16);
    if (cropped.IsError())
        return cropped;
    MemoryDeviceContext context(*cropped);
    int offsetX = (picture.Width() - width) / 2;
    int offsetY = (picture.Height() - height) / 2;
    context.CopyBitmap(0, 0, width, height, picture, std::max(offsetX, 0), std::max(offsetY, 0));
    return cropped;
}

ErrorCode JpegImage::Load(DeviceContext* context, Rect& rect, uint32_t flags)
{
    m_bitmap = Dib();
    if (auto error = Start())
        return error;
    const JpegFrame& frame = m_decoder->Frame();
    if (frame.width == 0 || frame.height == 0)
        return Error::JpegInvalid;
    if (rect.Width() <= 0 || rect.Height() <= 0)
        return Error::InvalidParameter;

    FittingDecision decision = DecideFitting(frame.width, frame.height, m_decoder->Exif().hasThumbnail, rect, flags);
    auto decoded = DecodeFitted(decision);
    if (decoded.IsError() && decision.useExifThumbnail) {
        // A damaged thumbnail doesn't keep the picture from being shown.
        if (auto error = Start())
            return error;
        decision = DecideFitting(frame.width, frame.height, false, rect, flags);
        decoded = DecodeFitted(decision);
    }
    if (decoded.IsError())
        return decoded.GetError();

    Rect result = decision.result;
    Dib picture = decoded.ReleaseValue();
    if (picture.Width() != result.Width() || picture.Height() != result.Height() || decision.rotation != Rotation::None) {
        auto scaled = CreateDib(result.Width(), result.Height(), 16);
        if (!scaled.IsError()) {
            ScaleRotate565(picture.Bits(), picture.Stride(), picture.Width(), picture.Height(), decision.rotation,
                scaled->Bits(), scaled->Stride(), scaled->Width(), scaled->Height());
            picture = scaled.ReleaseValue();
        }
    }
    if (flags & LoadFlags::FillAndCrop) {
        auto cropped = CropCentre(picture, rect.Width(), rect.Height());
        if (cropped.IsError())
            return cropped.GetError();
        picture = cropped.ReleaseValue();
        result = rect;
    }

    if (!(flags & LoadFlags::ReturnBitmap)) {
        if (context)
            DrawBitmap(*context, result, picture, false);
    } else {
        m_bitmap = std::move(picture);
    }
    m_result = result;
    rect = result;
    return Error::Success;
}

ErrorCode JpegImage::Draw(DeviceContext& context, Rect& rect, uint32_t flags)
{
    ErrorCode error = Load(&context, rect, flags);
    if (flags & LoadFlags::ReturnBitmap)
        return error;
    m_bitmap = Dib();
    return error;
}

ErrorCode JpegImage::LoadBitmap(Rect& rect, uint32_t flags, Dib& bitmap)
{
    ErrorCode error = Load(nullptr, rect, flags | LoadFlags::ReturnBitmap);
    if (error)
        return error;
    bitmap = std::move(m_bitmap);
    m_bitmap = Dib();
    return Error::Success;
}
