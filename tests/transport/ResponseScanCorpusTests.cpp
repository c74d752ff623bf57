#include "support/SandboxDevice.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

// The fuzz target's entry point, linked in from fuzz/ResponseScanFuzzer.cpp.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// Every seed and every input the fuzzer ever found a fault with (kept in the
// corpus folder) goes through the response scan again.
TEST(ResponseScanCorpus, EveryKeptInputScansCleanly)
{
    SandboxDevice device;
    int inputs = 0;
    for (auto& entry : std::filesystem::directory_iterator(VBX_RESPONSE_SCAN_CORPUS)) {
        std::ifstream file(entry.path(), std::ios::binary);
        std::string bytes { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
        EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0)
            << entry.path();
        ++inputs;
    }
    EXPECT_GT(inputs, 0);
}
