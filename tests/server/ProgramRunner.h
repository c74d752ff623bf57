#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// Runs other programs for tests (the server binary, the browser), with
// their output on pipes.

struct ProgramRun {
    int status { -1 }; // the exit status, or 128 + the signal
    std::string out;
    std::string err;
};

struct RunningProgram {
    pid_t pid { -1 };
    int out { -1 };
    int err { -1 };
};

RunningProgram StartProgram(const std::string& program, const std::vector<std::string>& arguments);
// Reads a pipe until it ends, or until `until` arrives, or until nothing
// came for the time given.
std::string ReadPipe(int fd, const std::string& until = {}, int milliseconds = 10000);
int WaitForProgram(pid_t pid);
// Runs to the end; a program still running after the time is killed.
ProgramRun RunProgram(const std::string& program, const std::vector<std::string>& arguments, int seconds = 60);
