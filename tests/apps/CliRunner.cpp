#include "CliRunner.h"

#include "support/TemporaryFolder.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

static constexpr auto kTimeLimit = std::chrono::seconds(60);

CliResult RunCli(const std::vector<std::string>& arguments, const std::string& input)
{
    return RunCli(arguments, input, CliControl {});
}

CliResult RunCli(const std::vector<std::string>& arguments, const std::string& input, const CliControl& control)
{
    TemporaryFolder folder;
    std::string inPath = folder.File("in"), outPath = folder.File("out"), errPath = folder.File("err");
    WriteTextFile(inPath, input);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    std::vector<std::string> all { VBX_CLI_PATH };
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& argument : all)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    CliResult result;
    pid_t pid = 0;
    if (posix_spawn(&pid, VBX_CLI_PATH, &actions, nullptr, argv.data(), environ) == 0) {
        if (control.started)
            control.started(pid);
        bool interrupted = false;
        int status = 0;
        rusage usage {};
        auto deadline = std::chrono::steady_clock::now() + kTimeLimit;
        while (::wait4(pid, &status, WNOHANG, &usage) == 0) {
            if (!interrupted && control.interruptWhen && control.interruptWhen()) {
                ::kill(pid, SIGINT);
                interrupted = true;
            }
            if (std::chrono::steady_clock::now() > deadline) {
                ::kill(pid, SIGKILL);
                ::wait4(pid, &status, 0, &usage);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        result.peakKilobytes = usage.ru_maxrss;
    }
    posix_spawn_file_actions_destroy(&actions);
    result.out = ReadTextFile(outPath);
    result.err = ReadTextFile(errPath);
    return result;
}
