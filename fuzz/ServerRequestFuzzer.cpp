// libFuzzer target: every input is the body of a POST to the service's
// SOAP endpoint. The request parser must answer a request or a reason for
// refusing it, whatever the bytes; an "AP" photo that decodes from the
// envelope goes on through what an upload does before it is stored (the
// location removal and the decoder's check). The bytes are also taken as a
// photo file of their own, so that the EXIF walk sees hostile structures
// directly.

#include "server/photos/LocationRemoval.h"
#include "server/photos/PhotoUpload.h"
#include "server/soap/RequestParser.h"

#include "imaging/JpegImage.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Photos are bounded so that one input takes milliseconds.
static constexpr std::uint64_t MaximumFuzzPixels = 1u << 20;

static void Upload(const std::string& photo)
{
    JpegImage image(reinterpret_cast<const uint8_t*>(photo.data()), photo.size());
    JpegInfo info;
    if (image.ReadInfo(info) != Error::Success || std::uint64_t(info.width) * info.height > MaximumFuzzPixels)
        return;
    auto prepared = PreparePhotoUpload(photo);
    if (!prepared.IsError() && prepared->bytes.empty())
        __builtin_trap(); // a photo that passed must have bytes
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view body(reinterpret_cast<const char*>(data), size);
    auto parsed = ParseServiceRequest(body);
    if (auto* request = std::get_if<ServiceRequest>(&parsed)) {
        if (!IsKnownAction(request->action))
            __builtin_trap(); // only known actions come through
        if (auto* entry = std::get_if<StoreEntryRequest>(&request->body); entry && !entry->photo.empty())
            Upload(entry->photo);
    }
    auto stripped = RemoveLocation(body);
    if (!stripped.IsError() && stripped->size() > body.size())
        __builtin_trap(); // removal never adds
    return 0;
}
