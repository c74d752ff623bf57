// Processing a changes response ("GC") from a temporary-file stream into a
// blog's store: 2,500 to 20,000 entries with two comments each (10,000
// entries make about 10 MB). For each size: the time, the peak heap while
// processing (every allocation is counted), and the ratio to the time of
// reading the same bytes with FindText alone (both in this thread's CPU
// time, the fastest of the runs). Goals: under 1 second for 10,000
// entries, never more than 3 times FindText, linear growth.

#include "model/CWinBlogStorage.h"
#include "service/ChangesResponse.h"
#include "support/ChangesResponseBuilder.h"
#include "transport/CurlHttp.h"
#include "transport/StreamFactories.h"
#include "transport/XmlReader.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <ctime>
#include <cstdlib>
#include <malloc.h>
#include <map>
#include <memory>
#include <new>
#include <random>
#include <string>

// Every allocation of the program is counted, so that the peak heap of one
// processing can be measured.
namespace {

std::atomic<std::int64_t> g_heapBytes { 0 };
std::atomic<std::int64_t> g_heapPeak { 0 };

void* CountedAllocate(std::size_t size)
{
    void* block = std::malloc(size ? size : 1);
    if (!block)
        throw std::bad_alloc();
    std::int64_t now = g_heapBytes += static_cast<std::int64_t>(::malloc_usable_size(block));
    std::int64_t peak = g_heapPeak.load(std::memory_order_relaxed);
    while (now > peak && !g_heapPeak.compare_exchange_weak(peak, now, std::memory_order_relaxed)) {
    }
    return block;
}

void CountedFree(void* block)
{
    if (!block)
        return;
    g_heapBytes -= static_cast<std::int64_t>(::malloc_usable_size(block));
    std::free(block);
}

}

void* operator new(std::size_t size)
{
    return CountedAllocate(size);
}
void* operator new[](std::size_t size)
{
    return CountedAllocate(size);
}
void operator delete(void* block) noexcept
{
    CountedFree(block);
}
void operator delete[](void* block) noexcept
{
    CountedFree(block);
}
void operator delete(void* block, std::size_t) noexcept
{
    CountedFree(block);
}
void operator delete[](void* block, std::size_t) noexcept
{
    CountedFree(block);
}

namespace {

using Response = ChangesResponseBuilder;

std::string Words(std::mt19937& random, std::size_t length)
{
    static constexpr const char* kWords[] = { "the", "sea", "light", "over", "harbour", "morning", "café", "a", "with", "&", "boats",
        "quiet", "<old>", "town", "\"wall\"", "and", "sky" };
    std::string text;
    while (text.size() < length) {
        if (!text.empty())
            text += ' ';
        text += kWords[random() % std::size(kWords)];
    }
    return text;
}

// A first sync's response: the blog, 20 categories, the entries newest
// first and two comments on each.
std::string MakeResponse(int entries)
{
    std::mt19937 random(42);
    Response response;
    response.Timestamp("2006-07-03T08:00:00Z").Add(Response::Blog {});
    for (std::uint32_t id = 1; id <= 20; ++id)
        response.Add(Response::Category { id, "Category " + std::to_string(id), "http://photos.example/c/" + std::to_string(id) });
    for (int i = 0; i < entries; ++i) {
        std::uint32_t id = static_cast<std::uint32_t>(100000 + i);
        std::string number = std::to_string(id);
        Response::Entry entry;
        entry.id = id;
        entry.categoryId = 1 + id % 20;
        entry.title = "Photo " + number + " " + Words(random, 20);
        entry.caption = Words(random, 200);
        entry.sourceUrl = "http://photos.example/o/" + number + ".jpg";
        entry.photoUrl = "http://photos.example/p/" + number + ".jpg";
        entry.thumbnailUrl = "http://photos.example/t/" + number + ".jpg";
        int day = 28 - (i * 28 / entries);
        entry.posted = "2006-06-" + std::string(day < 10 ? "0" : "") + std::to_string(day) + "T10:00:00Z";
        entry.taken = entry.posted;
        response.Add(entry);
    }
    for (int i = 0; i < 2 * entries; ++i) {
        Response::Comment comment;
        comment.id = static_cast<std::uint32_t>(500000 + i);
        comment.entryId = static_cast<std::uint32_t>(100000 + i / 2);
        comment.text = Words(random, 80);
        comment.date = "2006-07-01T10:00:00Z";
        response.Add(comment);
    }
    return response.Text();
}

struct Fixture {
    CurlHttp http;
    std::map<int, std::unique_ptr<LargeStream>> responses;

    LargeStream& ResponseFile(int entries)
    {
        auto& stream = responses[entries];
        if (!stream) {
            std::string text = MakeResponse(entries);
            stream = CreateTempStream();
            if (!stream || !stream->Write(text.data(), static_cast<std::uint32_t>(text.size())))
                std::abort();
        }
        return *stream;
    }
};

Fixture& TheFixture()
{
    static Fixture fixture;
    return fixture;
}

// The time this thread has run: the machine may be busy with other work,
// and the ratio to FindText must compare like with like.
double CpuSeconds()
{
    timespec now {};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// The fastest of a few scans of the whole response for a text it does not
// hold.
double FindTextSeconds(LargeStream& response)
{
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        response.Seek(0);
        double start = CpuSeconds();
        bool found = FindText(response, "<never-there>");
        best = std::min(best, CpuSeconds() - start);
        benchmark::DoNotOptimize(found);
    }
    return best;
}

void BM_ProcessChangesResponse(benchmark::State& state)
{
    int entries = static_cast<int>(state.range(0));
    Fixture& fixture = TheFixture();
    LargeStream& response = fixture.ResponseFile(entries);
    double findText = FindTextSeconds(response);
    double fastest = 1e9;
    std::int64_t peak = 0;
    std::int64_t held = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // Merged in memory: the store is never saved here.
        auto store = std::make_unique<CWinBlogStorage>();
        response.Seek(0);
        std::int64_t before = g_heapBytes.load();
        g_heapPeak = before;
        double start = CpuSeconds();
        state.ResumeTiming();

        auto result = ProcessChangesResponse(response, { *store, fixture.http, true });

        state.PauseTiming();
        fastest = std::min(fastest, CpuSeconds() - start);
        peak = std::max(peak, g_heapPeak.load() - before);
        held = g_heapBytes.load() - before;
        if (result.IsError() || store->GetEntries().GetSize() != static_cast<size_t>(entries)
            || store->GetComments().GetSize() != static_cast<size_t>(2 * entries))
            state.SkipWithError("the response was not merged whole");
        store.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(entries);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * response.GetLength());
    state.counters["response_MB"] = response.GetLength() / 1e6;
    state.counters["fastest_cpu_ms"] = fastest * 1e3;
    state.counters["findtext_cpu_ms"] = findText * 1e3;
    state.counters["vs_findtext"] = fastest / findText;
    state.counters["peak_heap_MB"] = static_cast<double>(peak) / 1e6;
    state.counters["store_MB"] = static_cast<double>(held) / 1e6;
}

}

BENCHMARK(BM_ProcessChangesResponse)->Arg(2500)->Arg(5000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();

BENCHMARK_MAIN();
