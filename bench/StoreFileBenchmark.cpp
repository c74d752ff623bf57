// Saving and loading a blog store of 5,000 entries with 8 KB thumbnails,
// next to copying the same file with cp (and with cp followed by sync, since
// a save flushes its file to disk before renaming it into place).

#include "model/CWinBlogStorage.h"
#include "platform/FileSystem.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>
#include <string>

namespace {

constexpr int kEntries = 5000;
constexpr size_t kThumbnailBytes = 8192;

std::string MakeFolder()
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/vbx-bench-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        std::abort();
    return pattern;
}

// The store of the benchmark, made once and saved once as the source of
// every load and copy.
struct Fixture {
    std::string folder { MakeFolder() };
    CWinBlogStorage store { folder, "benchmark" };
    std::string path { store.GetFilePath() };
    uint64_t fileSize { 0 };

    Fixture()
    {
        std::mt19937 random(42);
        store.GetBlogInfo().SetTitle("Benchmark Blog");
        for (std::uint32_t id = 1; id <= 20; ++id) {
            auto album = store.NewCategory();
            album->SetId(id);
            album->SetName("Category " + std::to_string(id));
            album->SetUrl("http://photos.example.com/benchmark/c/" + std::to_string(id));
            store.GetCategories().Add(std::move(album));
        }
        for (int i = 0; i < kEntries; ++i) {
            auto entry = store.NewEntry();
            std::string number = std::to_string(i);
            entry->SetServerId(100000 + i);
            entry->SetCategoryId(1 + i % 20);
            entry->SetPosterId(77);
            entry->SetTitle("Photo number " + number);
            entry->SetCaption("A caption of ordinary length for photo " + number + ", taken somewhere along the way.");
            entry->SetAuthorName("Benchmark Author");
            entry->SetThumbnailUrl("http://photos.example.com/benchmark/t/" + number + ".jpg");
            entry->SetPhotoUrl("http://photos.example.com/benchmark/p/" + number + ".jpg");
            entry->SetSourceUrl("http://photos.example.com/benchmark/o/" + number + ".jpg");
            entry->SetPostDate(3000000000u - i);
            entry->SetTakenDate(3000000000u - i);
            entry->SetFileSize(600000);
            entry->SetWidthAndHeight(640, 480);
            entry->SetPhotoState(5);
            entry->SetPhotoPath("/home/user/Pictures/benchmark/" + number + ".jpg");
            entry->SetPending(false);
            std::vector<std::uint8_t> thumbnail(kThumbnailBytes);
            for (auto& byte : thumbnail)
                byte = static_cast<std::uint8_t>(random());
            entry->SetThumbnail(std::move(thumbnail));
            store.InsertEntry(std::move(entry));
        }
        if (store.Save() != Error::Success)
            std::abort();
        fileSize = *FileSizeOf(path);
    }

    ~Fixture() { std::system(("rm -rf '" + folder + "'").c_str()); }
};

Fixture& TheFixture()
{
    static Fixture fixture;
    return fixture;
}

void Finish(benchmark::State& state, uint64_t fileSize)
{
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * fileSize));
    state.counters["file_MB"] = static_cast<double>(fileSize) / 1e6;
}

void BM_SaveStore(benchmark::State& state)
{
    Fixture& fixture = TheFixture();
    for (auto _ : state) {
        if (fixture.store.Save() != Error::Success)
            state.SkipWithError("save failed");
    }
    Finish(state, fixture.fileSize);
}

void BM_LoadStore(benchmark::State& state)
{
    Fixture& fixture = TheFixture();
    for (auto _ : state) {
        CWinBlogStorage store;
        store.SetFilePath(fixture.path);
        if (store.Load() != Error::Success || store.GetEntries().GetSize() != kEntries)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(store.GetEntries().GetAt(0));
    }
    Finish(state, fixture.fileSize);
}

void RunShell(benchmark::State& state, const std::string& command)
{
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0)
            state.SkipWithError(("failed: " + command).c_str());
    }
    Finish(state, TheFixture().fileSize);
}

void BM_CopyWithCp(benchmark::State& state)
{
    Fixture& fixture = TheFixture();
    RunShell(state, "cp '" + fixture.path + "' '" + fixture.folder + "/copy.vxl'");
}

void BM_CopyWithCpAndSync(benchmark::State& state)
{
    Fixture& fixture = TheFixture();
    std::string copy = fixture.folder + "/copy.vxl";
    RunShell(state, "cp '" + fixture.path + "' '" + copy + "' && sync '" + copy + "'");
}

}

// Real time: cp runs in a child process, whose time the CPU clock misses.
BENCHMARK(BM_SaveStore)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadStore)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CopyWithCp)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CopyWithCpAndSync)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
