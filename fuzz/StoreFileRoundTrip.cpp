#include "StoreFileRoundTrip.h"

#include "model/CWinBlogStorage.h"
#include "model/CWinBlogUser.h"
#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"

namespace {

// The paths of one round trip: the input, then the two saves.
struct RoundTripFiles {
    std::string input, first, second;

    RoundTripFiles(const std::string& folder, std::string_view extension)
        : input(JoinPath(folder, "input." + std::string(extension)))
        , first(JoinPath(folder, "first." + std::string(extension)))
        , second(JoinPath(folder, "second." + std::string(extension)))
    {
    }
    ~RoundTripFiles()
    {
        for (auto* path : { &input, &first, &second })
            (void)DeleteFileIfExists(*path); // a scratch file; the next round replaces it anyway
    }
};

std::string WriteInput(const std::string& path, std::span<const std::uint8_t> bytes)
{
    auto file = File::Open(path, File::Mode::CreateReadWrite);
    if (file.IsError())
        return "the input could not be written (" + std::to_string(file.GetError()) + ")";
    if (ErrorCode error = file->WriteAll(bytes.data(), bytes.size()))
        return "the input could not be written (" + std::to_string(error) + ")";
    return {};
}

std::string SameBytes(const std::string& first, const std::string& second)
{
    auto a = ReadWholeFile(first);
    auto b = ReadWholeFile(second);
    if (a.IsError() || b.IsError())
        return "a saved file cannot be read back";
    if (*a != *b)
        return "the second load gave other records than the first (" + std::to_string(a->size()) + " against " + std::to_string(b->size()) + " bytes saved)";
    return {};
}

std::string Counts(const CWinBlogStorage& store)
{
    return "version " + std::to_string(store.GetFormatVersion()) + ", " + std::to_string(store.GetEntries().GetSize()) + " entries, "
        + std::to_string(store.GetCategories().GetSize()) + " categories, " + std::to_string(store.GetComments().GetSize()) + " comments, "
        + std::to_string(store.GetDeletedEntries().GetSize()) + "/" + std::to_string(store.GetDeletedCategories().GetSize()) + "/"
        + std::to_string(store.GetDeletedComments().GetSize()) + " queued";
}

std::string Counts(const CWinBlogUser& user)
{
    return "version " + std::to_string(user.GetFormatVersion()) + ", " + std::to_string(user.GetBlogUrlNames().size()) + " blog names, "
        + std::to_string(user.GetRemoteBlogNames().size()) + " remote blog names";
}

ErrorCode Load(CWinBlogStorage& store)
{
    return store.Load();
}

// The user record's own Load would also look for blogs in the folder.
ErrorCode Load(CWinBlogUser& user)
{
    return user.ReadUserFile();
}

// Loads, saves, loads again and saves again one kind of record.
template<typename MakeRecord>
std::string RoundTrip(const RoundTripFiles& files, std::span<const std::uint8_t> bytes, MakeRecord makeRecord, std::string& summary, const char* label)
{
    if (auto problem = WriteInput(files.input, bytes); !problem.empty())
        return problem;
    auto loaded = makeRecord(files.input);
    ErrorCode loadResult = Load(*loaded);
    summary += std::string(label) + ": load " + std::to_string(loadResult) + ", " + Counts(*loaded);

    loaded->SetFilePath(files.first);
    if (ErrorCode error = loaded->Save())
        return std::string(label) + ": the first save failed (" + std::to_string(error) + ")";
    auto again = makeRecord(files.first);
    if (ErrorCode error = Load(*again))
        return std::string(label) + ": the saved file does not load (" + std::to_string(error) + ": "
            + (again->GetLoadDamage() ? again->GetLoadDamage()->Describe() : std::string()) + ")";
    again->SetFilePath(files.second);
    if (ErrorCode error = again->Save())
        return std::string(label) + ": the second save failed (" + std::to_string(error) + ")";
    if (auto problem = SameBytes(files.first, files.second); !problem.empty())
        return std::string(label) + ": " + problem;
    return {};
}

}

RoundTripOutcome RoundTripStoreAndUserFile(const std::string& folder, std::span<const std::uint8_t> bytes)
{
    RoundTripOutcome outcome;
    {
        RoundTripFiles files(folder, CWinBlogStorage::kFileExtension);
        outcome.mismatch = RoundTrip(
            files, bytes,
            [](const std::string& path) {
                auto store = std::make_unique<CWinBlogStorage>();
                store->SetFilePath(path);
                return store;
            },
            outcome.summary, "store");
    }
    if (!outcome.mismatch.empty())
        return outcome;
    outcome.summary += "; ";
    RoundTripFiles files(folder, CWinBlogUser::kFileExtension);
    outcome.mismatch = RoundTrip(
        files, bytes,
        [&folder](const std::string& path) {
            auto user = std::make_unique<CWinBlogUser>(folder);
            user->SetFilePath(path);
            return user;
        },
        outcome.summary, "user");
    return outcome;
}
