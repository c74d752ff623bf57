// Every input kept for the request fuzzer (its seeds and whatever it ever
// found) goes through the fuzz target again, and its outcome is checked
// against its name: "ok-ACTION..." parses as that action, "bad-..." is
// refused with a reason, "photo-..." is a JPEG whose location comes out.
// A new input must be named by its outcome.

#include "CameraPhotos.h"

#include "server/photos/LocationRemoval.h"
#include "server/photos/PhotoUpload.h"
#include "server/soap/RequestParser.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

TEST(RequestCorpus, EveryKeptInputHasItsOutcome)
{
    int inputs = 0;
    for (auto& file : std::filesystem::directory_iterator(VBX_REQUEST_CORPUS)) {
        std::string name = file.path().filename().string();
        std::ifstream in(file.path(), std::ios::binary);
        std::string bytes { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
        EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0) << name;
        ++inputs;

        auto parsed = ParseServiceRequest(bytes);
        if (name.rfind("ok-", 0) == 0) {
            auto* request = std::get_if<ServiceRequest>(&parsed);
            ASSERT_TRUE(request) << name << ": " << std::get<MalformedRequest>(parsed).reason;
            std::string action = name.substr(3, name.find_first_of("-.", 3) - 3);
            EXPECT_EQ(request->action, action) << name;
            if (auto* entry = std::get_if<StoreEntryRequest>(&request->body); entry && !entry->photo.empty()) {
                auto photo = PreparePhotoUpload(entry->photo);
                ASSERT_FALSE(photo.IsError()) << name;
                EXPECT_FALSE(HasGpsPointer(photo->bytes)) << name;
                EXPECT_FALSE(HasLocationMarkers(photo->bytes)) << name;
            }
        } else if (name.rfind("bad-", 0) == 0) {
            EXPECT_TRUE(std::holds_alternative<MalformedRequest>(parsed)) << name;
        } else if (name.rfind("photo-", 0) == 0) {
            auto stripped = RemoveLocation(bytes);
            ASSERT_FALSE(stripped.IsError()) << name;
            EXPECT_FALSE(HasGpsPointer(*stripped)) << name;
            EXPECT_FALSE(HasLocationMarkers(*stripped)) << name;
            EXPECT_FALSE(PreparePhotoUpload(bytes).IsError()) << name;
        } else {
            ADD_FAILURE() << name << ": name a kept input ok-ACTION-..., bad-... or photo-... after what it must do";
        }
    }
    EXPECT_GT(inputs, 20);
}
