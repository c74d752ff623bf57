// Speed of the transport: a 20 MB request and response through the HTTP
// client against the same transfer made by the curl command line in the same
// run (the ratio must stay within 1.5), and the base64 encoding of a 5 MB
// photo into a temporary-file stream one byte at a time (well under a
// second).

#include "platform/DeviceFolders.h"
#include "support/HttpTestServer.h"
#include "transport/CurlHttp.h"
#include "transport/FileLargeStream.h"
#include "transport/StreamFactories.h"
#include "transport/XmlWriter.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr std::size_t kTransferSize = 20 * 1024 * 1024;
constexpr std::size_t kPhotoSize = 5 * 1024 * 1024;

std::string RandomBytes(std::size_t size)
{
    std::mt19937 random(42);
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(random());
    return bytes;
}

// A file of random bytes in the temporary folder, removed at the end.
class ScratchFile {
public:
    ScratchFile(const std::string& name, std::size_t size)
        : m_path(DeviceFolders::Current().TemporaryFolder() + "/" + name + "-" + std::to_string(::getpid()))
    {
        std::ofstream(m_path, std::ios::binary) << RandomBytes(size);
    }
    ~ScratchFile() { std::remove(m_path.c_str()); }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

double Seconds(std::chrono::steady_clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

// The same transfer made by the curl command line; false when it failed.
bool RunCurlCommand(const HttpTestServer& server, const std::string& bodyFile, const std::string& outputFile)
{
    std::string url = "http://" + server.HostText() + "/sink";
    std::string data = "@" + bodyFile;
    std::vector<std::string> arguments = { "curl", "-s", "-S", "-o", outputFile, "-H", "Expect:", "-H",
        "Content-Type: application/octet-stream", "--data-binary", data, url };
    std::vector<char*> argv;
    for (auto& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawnp(&child, "curl", nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void BM_Post20MBAndRead20MBAgainstCurlCommand(benchmark::State& state)
{
    HttpTestServer server;
    server.KeepBodies(false);
    auto response = HttpTestServer::Ok(RandomBytes(kTransferSize), "application/octet-stream");
    server.SetResponder([&](const HttpTestServer::Request&) { return response; });
    ScratchFile body("bench-body", kTransferSize);
    std::string curlOutput = body.Path() + ".out";

    CurlHttp http;
    http.Open(1);
    double ours = 0;
    double theirs = 0;
    for (auto _ : state) {
        HttpRequest request;
        request.method = "POST";
        request.host = server.Address();
        request.port = server.Port();
        request.path = "/sink";
        request.contentType = "application/octet-stream";
        request.body = FileLargeStream::OpenExisting(body.Path());

        auto started = std::chrono::steady_clock::now();
        auto answer = http.Send(request);
        auto sent = std::chrono::steady_clock::now();
        if (!answer || GetStatus(*answer) != 0 || answer->stream->GetLength() < kTransferSize) {
            state.SkipWithError("the client's transfer failed");
            break;
        }
        answer.reset();

        auto curlStarted = std::chrono::steady_clock::now();
        bool curlDone = RunCurlCommand(server, body.Path(), curlOutput);
        auto curlEnded = std::chrono::steady_clock::now();
        if (!curlDone) {
            state.SkipWithError("the curl command failed");
            break;
        }
        std::remove(curlOutput.c_str());

        state.SetIterationTime(Seconds(sent - started));
        ours += Seconds(sent - started);
        theirs += Seconds(curlEnded - curlStarted);
    }
    if (state.iterations() > 0 && theirs > 0) {
        double n = static_cast<double>(state.iterations());
        state.counters["ours_ms"] = 1000 * ours / n;
        state.counters["curl_command_ms"] = 1000 * theirs / n;
        state.counters["ratio"] = ours / theirs;
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * 2 * kTransferSize));
}
BENCHMARK(BM_Post20MBAndRead20MBAgainstCurlCommand)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_Base64Of5MBPhotoIntoTempStream(benchmark::State& state)
{
    ScratchFile photo("bench-photo", kPhotoSize);
    for (auto _ : state) {
        auto source = FileLargeStream::OpenExisting(photo.Path());
        auto destination = CreateTempStream();
        if (!source || !destination || !WriteBase64(*destination, *source)) {
            state.SkipWithError("encoding failed");
            break;
        }
        benchmark::DoNotOptimize(destination->GetLength());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kPhotoSize));
}
BENCHMARK(BM_Base64Of5MBPhotoIntoTempStream)->Unit(benchmark::kMillisecond);

}

BENCHMARK_MAIN();
