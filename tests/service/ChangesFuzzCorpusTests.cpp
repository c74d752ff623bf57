// Every input kept in the changes-response fuzzer's corpus goes through the
// fuzz target again (which checks the store's rules and its saved copy),
// and must merge as it did when it was kept: the code, the server's
// timestamp and the number of categories, entries and comments left, as
// fuzz/corpus/vbx_changes_response_fuzzer.outcomes lists them (the input's
// name, a tab, its outcome). A new input needs its line: run this test with
// VBX_RECORD_OUTCOMES=1 to write the file anew, and look at what changed
// before keeping it.

#include "../../fuzz/ChangesResponseExercise.h"
#include "support/ScopedEnvironment.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

namespace {

std::map<std::string, std::string> ReadOutcomes(const std::string& path)
{
    std::map<std::string, std::string> outcomes;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        std::size_t tab = line.find('\t');
        if (tab != std::string::npos)
            outcomes[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return outcomes;
}

}

TEST(ChangesFuzzCorpus, EveryKeptInputMergesAsItDidWhenKept)
{
    // Times in the responses are UTC; the store's are local.
    ScopedTimeZone zone("UTC0");
    std::string outcomesPath = std::string(VBX_CHANGES_RESPONSE_CORPUS) + ".outcomes";
    auto expected = ReadOutcomes(outcomesPath);
    std::map<std::string, std::string> actual;
    for (auto& entry : std::filesystem::directory_iterator(VBX_CHANGES_RESPONSE_CORPUS)) {
        std::ifstream file(entry.path(), std::ios::binary);
        std::string bytes { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
        std::string name = entry.path().filename().string();
        actual[name] = ProcessChangesInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()).Text();
    }
    if (std::getenv("VBX_RECORD_OUTCOMES")) {
        std::ofstream out(outcomesPath, std::ios::trunc);
        for (auto& [name, outcome] : actual)
            out << name << '\t' << outcome << '\n';
        GTEST_SKIP() << "outcomes written to " << outcomesPath;
    }
    EXPECT_GE(actual.size(), 10u);
    for (auto& [name, outcome] : actual) {
        auto found = expected.find(name);
        ASSERT_NE(found, expected.end()) << name << " has no expected outcome";
        EXPECT_EQ(outcome, found->second) << name;
    }
    EXPECT_EQ(expected.size(), actual.size()) << "an expected outcome without its input";
}
