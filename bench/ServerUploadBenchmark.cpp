// The reference service's work on a new entry ("AP"), step by step, on a
// photo like those of the sync benchmark (about 200 KB, 1050 x 788): reading
// the envelope with the photo in base64, preparing the photo (its location
// removed, checked to decode whole), writing it into a blog folder that
// holds many photos already, and the whole request over HTTP on loopback.

#include "ServerTestKit.h"

#include "server/photos/PhotoStore.h"
#include "server/photos/PhotoUpload.h"
#include "server/soap/RequestParser.h"

#include "platform/FileSystem.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <variant>

namespace {

const std::string& BenchPhoto()
{
    static const std::string photo = TestJpeg(1050, 788);
    return photo;
}

// One service for the whole run, with an account and its blog.
struct Service {
    ServiceUnderTest service;
    TestAccount owner { service.AddUser("owner@example.com", "secret", { "--pro", "--quota", "1000000" }) };
    Device device { service, owner };

    Service() { device.CreateBlog("bench"); }
};

Service& TheService()
{
    static Service service;
    return service;
}

void BM_ReadUploadEnvelope(benchmark::State& state)
{
    std::string envelope = TheService().device.Envelope("AP", "bench", EntryFields(std::nullopt, 0, "title", "", BenchPhoto()));
    for (auto _ : state) {
        auto parsed = ParseServiceRequest(envelope);
        if (!std::holds_alternative<ServiceRequest>(parsed))
            state.SkipWithError("the envelope was not read");
        benchmark::DoNotOptimize(parsed);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * envelope.size()));
}
BENCHMARK(BM_ReadUploadEnvelope)->Unit(benchmark::kMillisecond);

void BM_PreparePhotoUpload(benchmark::State& state)
{
    for (auto _ : state) {
        auto prepared = PreparePhotoUpload(BenchPhoto());
        if (prepared.IsError())
            state.SkipWithError("the photo was refused");
        benchmark::DoNotOptimize(prepared);
    }
}
BENCHMARK(BM_PreparePhotoUpload)->Unit(benchmark::kMillisecond);

// Writing the photo's file (flushed and renamed into place) into a blog
// folder that holds state.range(0) photos already.
void BM_StoreOriginal(benchmark::State& state)
{
    TemporaryFolder folder;
    PhotoStore store(folder.Path());
    if (CreateFolderWithParents(folder.File("bench")) != Error::Success)
        state.SkipWithError("could not make the blog folder");
    for (int64_t i = 0; i < state.range(0); ++i)
        WriteTextFile(folder.File("bench/" + PhotoStore::NewKey() + ".jpg"), "x");
    for (auto _ : state) {
        if (store.StoreOriginal("bench", PhotoStore::NewKey(), BenchPhoto()) != Error::Success)
            state.SkipWithError("could not store the photo");
    }
}
BENCHMARK(BM_StoreOriginal)->Arg(0)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

// The whole request as a device sends it, answer included.
void BM_AddEntryRequest(benchmark::State& state)
{
    Service& service = TheService();
    std::string fields = EntryFields(std::nullopt, 0, "title", "", BenchPhoto());
    for (auto _ : state) {
        Answer answer = service.device.Send("AP", "bench", fields);
        if (!answer.Ok())
            state.SkipWithError("the entry was refused");
    }
}
BENCHMARK(BM_AddEntryRequest)->Unit(benchmark::kMillisecond);

}

BENCHMARK_MAIN();
