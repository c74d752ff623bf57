#include "RegistryFileRoundTrip.h"

#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/RegistryHive.h"

#include <sstream>

namespace {

constexpr const char* kAddedKey = "Software\\Added By The Round Trip";
constexpr const char* kAddedValue = "Round trip";

std::string WriteBytes(const std::string& path, const void* data, size_t size)
{
    auto file = File::Open(path, File::Mode::CreateReadWrite);
    if (file.IsError())
        return "a file could not be written (" + std::to_string(file.GetError()) + ")";
    if (ErrorCode error = file->WriteAll(data, size))
        return "a file could not be written (" + std::to_string(error) + ")";
    return {};
}

// Keys and values of a hive, counted from its text.
std::string Counts(const std::string& text)
{
    std::istringstream lines(text);
    std::string line;
    int keys = 0, values = 0;
    std::getline(lines, line); // the header
    while (std::getline(lines, line)) {
        if (line.empty())
            continue;
        if (line.front() == '[')
            ++keys;
        else
            ++values;
    }
    return std::to_string(keys) + " keys, " + std::to_string(values) + " values";
}

std::string Check(const std::string& folder, std::span<const std::uint8_t> bytes, std::string& summary)
{
    std::string input = JoinPath(folder, "input.reg");
    std::string rewritten = JoinPath(folder, "rewritten.reg");
    if (auto problem = WriteBytes(input, bytes.data(), bytes.size()); !problem.empty())
        return problem;

    RegistryHive hive(input);
    std::string text = hive.Serialize();
    summary = std::string(hive.LoadedDamagedFile() ? "damaged, " : "sound, ") + Counts(text);

    if (auto problem = WriteBytes(rewritten, text.data(), text.size()); !problem.empty())
        return problem;
    RegistryHive reread(rewritten);
    if (reread.LoadedDamagedFile())
        return "the hive as written reads as damaged";
    if (reread.Serialize() != text)
        return "the hive as written reads back differently";

    // Setting a value always saves, even when the key was there already.
    RegistryValue added { RegistryType::DWord, { 1, 0, 0, 0 } };
    if (ErrorCode error = hive.CreateKey(kAddedKey))
        return "adding a key failed (" + std::to_string(error) + ")";
    if (ErrorCode error = hive.SetValue(kAddedKey, kAddedValue, added))
        return "setting a value failed (" + std::to_string(error) + ")";
    RegistryHive saved(input);
    if (saved.LoadedDamagedFile())
        return "the saved hive reads as damaged";
    if (saved.QueryValue(kAddedKey, kAddedValue) != added)
        return "the added value is missing after the save";
    if (saved.Serialize() != hive.Serialize())
        return "the saved hive reads back differently";
    if (!hive.DamagedCopyPath().empty()) {
        auto kept = ReadWholeFile(hive.DamagedCopyPath());
        if (kept.IsError() || *kept != std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()))
            return "the damaged file was not kept as it was";
    } else if (hive.LoadedDamagedFile()) {
        return "a damaged file was replaced without a kept copy";
    }
    return {};
}

}

RegistryRoundTripOutcome RoundTripRegistryFile(const std::string& folder, std::span<const std::uint8_t> bytes)
{
    RegistryRoundTripOutcome outcome;
    outcome.mismatch = Check(folder, bytes, outcome.summary);
    auto entries = ListFolder(folder);
    if (!entries.IsError()) {
        for (auto& entry : *entries)
            (void)DeleteFileIfExists(JoinPath(folder, entry.name)); // scratch files; the next round replaces them anyway
    }
    return outcome;
}
