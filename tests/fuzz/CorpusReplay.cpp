#include "CorpusReplay.h"

#include "platform/AtomicFile.h"
#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace {

bool Recording()
{
    const char* value = std::getenv("VBX_RECORD_OUTCOMES");
    return value && std::string(value) == "1";
}

std::map<std::string, std::string> ReadOutcomes(const std::string& path)
{
    std::map<std::string, std::string> outcomes;
    auto text = ReadWholeFile(path);
    if (text.IsError())
        return outcomes;
    std::istringstream lines(*text);
    std::string line;
    while (std::getline(lines, line)) {
        auto tab = line.find('\t');
        if (tab != std::string::npos)
            outcomes[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return outcomes;
}

void WriteOutcomes(const std::string& path, const std::map<std::string, std::string>& outcomes)
{
    std::string text;
    for (auto& [name, outcome] : outcomes)
        text += name + "\t" + outcome + "\n";
    ASSERT_EQ(WriteFileAtomically(path, text.data(), text.size()), Error::Success) << path;
}

}

void ReplayCorpus(const std::string& folder, const std::string& outcomesFile, const OutcomeOf& outcomeOf)
{
    auto entries = ListFolder(folder);
    ASSERT_FALSE(entries.IsError()) << folder;
    std::map<std::string, std::string> expected = ReadOutcomes(outcomesFile);
    std::map<std::string, std::string> found;
    for (auto& entry : entries.Value()) {
        if (!entry.isRegularFile)
            continue;
        auto bytes = ReadWholeFile(JoinPath(folder, entry.name));
        ASSERT_FALSE(bytes.IsError()) << entry.name;
        std::string outcome = outcomeOf(std::span(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()));
        found[entry.name] = outcome;
        if (Recording())
            continue;
        auto recorded = expected.find(entry.name);
        if (recorded == expected.end())
            ADD_FAILURE() << entry.name << " has no recorded outcome in " << outcomesFile << " (it gave: " << outcome << ")";
        else
            EXPECT_EQ(outcome, recorded->second) << entry.name;
    }
    ASSERT_FALSE(found.empty()) << "no inputs in " << folder;
    if (Recording()) {
        WriteOutcomes(outcomesFile, found);
        return;
    }
    for (auto& [name, outcome] : expected) {
        if (!found.contains(name))
            ADD_FAILURE() << name << " is recorded in " << outcomesFile << " but not in " << folder;
    }
}
