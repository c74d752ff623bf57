// Peak memory of the whole "vellumbrix-cli thumbnail" command on a
// 12-megapixel photo without an EXIF thumbnail: the photo must never be
// decoded at full size (the target is under 16 MB). The peak is the child
// process's maximum resident set size.

#include "JpegTestKit.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// The photo is made in a child process: a child's peak memory includes the
// pages of the process it was forked from, so this one must stay small.
const std::string& PhotoPath()
{
    static const std::string path = [] {
        std::string made = "/tmp/vbx-bench-thumbnail-" + std::to_string(::getpid()) + ".jpg";
        pid_t maker = ::fork();
        if (maker == 0) {
            std::vector<uint8_t> jpeg = EncodeJpeg(MakePhotoLikePicture(4000, 3000, 77), {});
            FILE* file = std::fopen(made.c_str(), "wb");
            bool written = file && std::fwrite(jpeg.data(), 1, jpeg.size(), file) == jpeg.size();
            if (file)
                std::fclose(file);
            ::_exit(written ? 0 : 1);
        }
        int status = 0;
        ::waitpid(maker, &status, 0);
        return made;
    }();
    return path;
}

// Runs the command line and returns its peak resident set in kilobytes, or
// -1 when it failed.
long PeakKilobytes(std::vector<std::string> arguments)
{
    std::vector<char*> argv;
    for (auto& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = ::fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage {};
    if (::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss;
}

void ThumbnailCommandPeakMemory(benchmark::State& state)
{
    std::string output = PhotoPath() + ".thumb.jpg";
    long peak = 0;
    for (auto _ : state) {
        peak = PeakKilobytes({ VBX_CLI_PATH, "thumbnail", PhotoPath(), output });
        if (peak < 0)
            state.SkipWithError("the thumbnail command failed");
    }
    ::unlink(output.c_str());
    // For comparison: the same program doing (almost) nothing.
    long idle = PeakKilobytes({ VBX_CLI_PATH, "error", "0" });
    state.counters["peak_MB"] = static_cast<double>(peak) / 1024.0;
    state.counters["idle_peak_MB"] = static_cast<double>(idle) / 1024.0;
    state.counters["under_16MB"] = peak >= 0 && peak < 16 * 1024 ? 1 : 0;
}

}

BENCHMARK(ThumbnailCommandPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ::unlink(PhotoPath().c_str());
    return 0;
}
