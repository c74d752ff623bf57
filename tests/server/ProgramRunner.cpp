#include "ProgramRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

RunningProgram StartProgram(const std::string& program, const std::vector<std::string>& arguments)
{
    int out[2], err[2];
    if (::pipe2(out, O_CLOEXEC) != 0)
        return {};
    if (::pipe2(err, O_CLOEXEC) != 0) {
        ::close(out[0]);
        ::close(out[1]);
        return {};
    }
    std::vector<std::string> copies = arguments;
    std::string path = program;
    std::vector<char*> argv { path.data() };
    for (std::string& argument : copies)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], 1);
        ::dup2(err[1], 2);
        ::execv(path.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    return RunningProgram { pid, out[0], err[0] };
}

std::string ReadPipe(int fd, const std::string& until, int milliseconds)
{
    std::string text;
    char buffer[4096];
    for (;;) {
        pollfd poller { fd, POLLIN, 0 };
        if (::poll(&poller, 1, milliseconds) <= 0)
            break;
        ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0)
            break;
        text.append(buffer, static_cast<size_t>(got));
        if (!until.empty() && text.find(until) != std::string::npos)
            break;
    }
    return text;
}

int WaitForProgram(pid_t pid)
{
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments, int seconds)
{
    RunningProgram running = StartProgram(program, arguments);
    ProgramRun run;
    if (running.pid < 0)
        return run;
    // Both pipes are drained at once, so a program that fills one while the
    // other is read never stalls.
    std::string err;
    std::thread errors([&] { err = ReadPipe(running.err, {}, seconds * 1000); });
    run.out = ReadPipe(running.out, {}, seconds * 1000);
    errors.join();
    run.err = std::move(err);
    ::close(running.out);
    ::close(running.err);
    // A program that closed its output but did not end is stopped.
    for (int waited = 0; waited < seconds * 200; ++waited) {
        int status = 0;
        pid_t done = ::waitpid(running.pid, &status, WNOHANG);
        if (done == running.pid) {
            run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            return run;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ::kill(running.pid, SIGKILL);
    run.status = WaitForProgram(running.pid);
    return run;
}
