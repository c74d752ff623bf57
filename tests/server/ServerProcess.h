#pragma once

#include "ProgramRunner.h"
#include "ServerTestKit.h"

#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A vellumbrix-server program serving on a free loopback port, as one of
// the processes of a service would: started with the arguments given (and
// "--listen 127.0.0.1:0"), stopped with SIGTERM at the end. Its log is read
// as it comes, so that the program never waits on a full pipe.
class ServerProcess final : public ServiceEndpoint {
public:
    explicit ServerProcess(const std::vector<std::string>& arguments); // throws when it does not start
    ~ServerProcess() override;
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    std::string Host() const override { return "127.0.0.1:" + std::to_string(m_port); }
    httplib::Client Client() const override;
    std::int64_t Now() const override;

    // Stops it; answers its exit status (the first time) and keeps its log.
    int Stop();
    // What it logged so far.
    std::string Log() const;

private:
    RunningProgram m_program;
    int m_port { 0 };
    std::thread m_logReader;
    mutable std::mutex m_logMutex;
    std::string m_log;
    int m_status { -1 };
};
