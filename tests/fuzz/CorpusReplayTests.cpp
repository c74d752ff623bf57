#include "ChangesResponseExercise.h"
#include "CorpusReplay.h"
#include "JpegDecoderExercise.h"
#include "RegistryFileRoundTrip.h"
#include "ResponseScanExercise.h"
#include "StoreFileRoundTrip.h"
#include "VCardExercise.h"
#include "support/SandboxDevice.h"
#include "support/ScopedEnvironment.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

// Every input a fuzz target keeps (its seeds, what its runs found worth
// keeping, and any finding) gives the outcome recorded for it: the same
// codes from the same parsers, never a crash. The sanitizer build of this
// program checks every memory access on the way.

static std::string Corpus(const std::string& target)
{
    return std::string(VBX_FUZZ_CORPUS_DIR) + "/" + target;
}

TEST(CorpusReplay, JpegDecoderFindings)
{
    std::string folder = std::string(VBX_TEST_DATA_DIR) + "/jpeg-fuzz";
    ReplayCorpus(folder, folder + ".outcomes", DescribeJpegOutcome);
}

TEST(CorpusReplay, ResponseScan)
{
    SandboxDevice device; // the temporary stream's folder
    ReplayCorpus(Corpus("vbx_response_scan_fuzzer"), Corpus("vbx_response_scan_fuzzer.outcomes"), [](std::span<const std::uint8_t> input) {
        std::string outcome = ScanResponseBytes(input);
        EXPECT_EQ(outcome.find("(a file stream: "), std::string::npos) << outcome;
        return outcome;
    });
}

TEST(CorpusReplay, ChangesResponse)
{
    // The responses' times are UTC; the store's are local.
    ScopedTimeZone zone("UTC0");
    ReplayCorpus(Corpus("vbx_changes_response_fuzzer"), Corpus("vbx_changes_response_fuzzer.outcomes"),
        [](std::span<const std::uint8_t> input) { return ProcessChangesInput(input.data(), input.size()).Text(); });
}

TEST(CorpusReplay, StoreAndUserFiles)
{
    TemporaryFolder scratch;
    ReplayCorpus(Corpus("vbx_store_file_fuzzer"), Corpus("vbx_store_file_fuzzer.outcomes"), [&](std::span<const std::uint8_t> input) {
        RoundTripOutcome outcome = RoundTripStoreAndUserFile(scratch.Path(), input);
        EXPECT_EQ(outcome.mismatch, "") << outcome.summary;
        return outcome.summary;
    });
}

TEST(CorpusReplay, RegistryFile)
{
    TemporaryFolder scratch;
    ReplayCorpus(Corpus("vbx_registry_file_fuzzer"), Corpus("vbx_registry_file_fuzzer.outcomes"), [&](std::span<const std::uint8_t> input) {
        RegistryRoundTripOutcome outcome = RoundTripRegistryFile(scratch.Path(), input);
        EXPECT_EQ(outcome.mismatch, "") << outcome.summary;
        return outcome.summary;
    });
}

TEST(CorpusReplay, AddressBookCards)
{
    ReplayCorpus(Corpus("vbx_vcard_fuzzer"), Corpus("vbx_vcard_fuzzer.outcomes"), [](std::span<const std::uint8_t> input) {
        std::string outcome = ReadVCardBytes(input);
        EXPECT_EQ(outcome.find("; broken: "), std::string::npos) << outcome;
        return outcome;
    });
}
