#pragma once

#include <chrono>
#include <string>

// One line per request on stderr: time, client, method, path, action,
// user, status, duration (milliseconds to the microsecond, from the
// request read to its answer written) and outcome. Handlers fill in what only they know
// (the action, the user, the outcome) for the request their thread is
// serving; the server's logger writes the line once the answer is out.
struct RequestNotes {
    std::chrono::steady_clock::time_point started;
    std::string action { "-" };
    std::string user { "-" };
    std::string outcome;
};

// The notes of the request the calling thread serves.
RequestNotes& CurrentRequestNotes();
void StartRequestNotes();

void WriteRequestLine(const std::string& client, const std::string& method, const std::string& path, int status);
