// Speed of the transport: a 20 MB request and response through the HTTP
// client against the same transfer made by the curl command line in the same
// run (the ratio must stay within 1.2), and the base64 encoding of a 5 MB
// photo file into a temporary-file stream, a block at a time (well under a
// second).
//
// The machine may be shared, so besides the mean wall times the transfer
// reports the fastest of its rounds and the CPU time of each side: the
// client's own thread (the test server runs on others) against the curl
// process.

#include "platform/DeviceFolders.h"
#include "support/HttpTestServer.h"
#include "transport/CurlHttp.h"
#include "transport/FileLargeStream.h"
#include "transport/StreamFactories.h"
#include "transport/XmlWriter.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
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

double ThreadCpuSeconds()
{
    timespec now {};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

double Seconds(const timeval& time)
{
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

// The same transfer made by the curl command line; false when it failed.
// `cpuSeconds` receives the CPU time the command used.
bool RunCurlCommand(const HttpTestServer& server, const std::string& bodyFile, const std::string& outputFile, double& cpuSeconds)
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
    rusage usage {};
    if (::wait4(child, &status, 0, &usage) != child)
        return false;
    cpuSeconds = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
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
    double oursFastest = 0;
    double theirsFastest = 0;
    double oursCpu = 0;
    double theirsCpu = 0;
    for (auto _ : state) {
        HttpRequest request;
        request.method = "POST";
        request.host = server.Address();
        request.port = server.Port();
        request.path = "/sink";
        request.contentType = "application/octet-stream";
        request.body = FileLargeStream::OpenExisting(body.Path());

        double cpuStarted = ThreadCpuSeconds();
        auto started = std::chrono::steady_clock::now();
        auto answer = http.Send(request);
        auto sent = std::chrono::steady_clock::now();
        double cpu = ThreadCpuSeconds() - cpuStarted;
        if (!answer || GetStatus(*answer) != 0 || answer->stream->GetLength() < kTransferSize) {
            state.SkipWithError("the client's transfer failed");
            break;
        }
        answer.reset();

        auto curlStarted = std::chrono::steady_clock::now();
        double curlCpu = 0;
        bool curlDone = RunCurlCommand(server, body.Path(), curlOutput, curlCpu);
        auto curlEnded = std::chrono::steady_clock::now();
        if (!curlDone) {
            state.SkipWithError("the curl command failed");
            break;
        }
        std::remove(curlOutput.c_str());

        double wall = Seconds(sent - started);
        double curlWall = Seconds(curlEnded - curlStarted);
        state.SetIterationTime(wall);
        ours += wall;
        theirs += curlWall;
        oursFastest = oursFastest == 0 ? wall : std::min(oursFastest, wall);
        theirsFastest = theirsFastest == 0 ? curlWall : std::min(theirsFastest, curlWall);
        oursCpu += cpu;
        theirsCpu += curlCpu;
    }
    if (state.iterations() > 0 && theirs > 0) {
        double n = static_cast<double>(state.iterations());
        state.counters["ours_ms"] = 1000 * ours / n;
        state.counters["curl_command_ms"] = 1000 * theirs / n;
        state.counters["ratio"] = ours / theirs;
        state.counters["ours_min_ms"] = 1000 * oursFastest;
        state.counters["curl_command_min_ms"] = 1000 * theirsFastest;
        state.counters["min_ratio"] = oursFastest / theirsFastest;
        state.counters["ours_cpu_ms"] = 1000 * oursCpu / n;
        state.counters["curl_command_cpu_ms"] = 1000 * theirsCpu / n;
        if (theirsCpu > 0)
            state.counters["cpu_ratio"] = oursCpu / theirsCpu;
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
