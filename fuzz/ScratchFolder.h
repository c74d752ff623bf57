#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

// A folder of its own under TMPDIR (or /tmp) for the files one fuzz target
// writes, made at the first call.
inline const std::string& ScratchFolder(const char* prefix)
{
    static const std::string folder = [prefix] {
        const char* temporary = std::getenv("TMPDIR");
        std::string pattern = std::string(temporary && *temporary ? temporary : "/tmp") + "/" + prefix + "-XXXXXX";
        if (!::mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        return pattern;
    }();
    return folder;
}
