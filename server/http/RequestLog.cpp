#include "server/http/RequestLog.h"

#include "server/soap/WireTime.h"

#include <cstdio>
#include <ctime>

namespace {

// A worker thread serves one request at a time, so its notes are its own.
thread_local RequestNotes t_notes;

}

RequestNotes& CurrentRequestNotes()
{
    return t_notes;
}

void StartRequestNotes()
{
    t_notes = RequestNotes {};
    t_notes.started = std::chrono::steady_clock::now();
}

void WriteRequestLine(const std::string& client, const std::string& method, const std::string& path, int status)
{
    RequestNotes& notes = t_notes;
    // To the microsecond: on loopback most answers take well under a
    // millisecond, and a load test reads its percentiles from these lines.
    double milliseconds = 0;
    if (notes.started != std::chrono::steady_clock::time_point {})
        milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - notes.started).count();
    std::string when = FormatWireTime(static_cast<std::int64_t>(std::time(nullptr)));
    // One fprintf per line: stdio locks the stream for the call, so lines
    // of different threads never mix.
    std::fprintf(stderr, "%s %s %s %s %s %s %d %.3fms%s%s\n", when.c_str(), client.c_str(), method.c_str(), path.c_str(), notes.action.c_str(),
        notes.user.c_str(), status, milliseconds, notes.outcome.empty() ? "" : " ", notes.outcome.c_str());
    notes = RequestNotes {};
}
