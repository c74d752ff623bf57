#include "ServerProcess.h"

#include <poll.h>
#include <signal.h>
#include <stdexcept>
#include <unistd.h>

ServerProcess::ServerProcess(const std::vector<std::string>& arguments)
{
    std::vector<std::string> all = arguments;
    all.insert(all.end(), { "--listen", "127.0.0.1:0" });
    m_program = StartProgram(VBX_SERVER_PATH, all);
    if (m_program.pid < 0)
        throw std::runtime_error("cannot start the server program");
    m_logReader = std::thread([this] {
        char buffer[4096];
        ssize_t got;
        while ((got = ::read(m_program.err, buffer, sizeof buffer)) > 0) {
            std::lock_guard lock(m_logMutex);
            m_log.append(buffer, static_cast<size_t>(got));
        }
    });
    std::string banner = ReadPipe(m_program.out, "\n");
    size_t at = banner.find("://127.0.0.1:");
    if (at == std::string::npos) {
        Stop();
        throw std::runtime_error("the server program did not start: " + banner + Log());
    }
    m_port = std::stoi(banner.substr(at + 13));
}

ServerProcess::~ServerProcess()
{
    Stop();
}

int ServerProcess::Stop()
{
    if (m_program.pid < 0)
        return m_status;
    ::kill(m_program.pid, SIGTERM);
    m_status = WaitForProgram(m_program.pid);
    m_program.pid = -1;
    m_logReader.join();
    ::close(m_program.out);
    ::close(m_program.err);
    return m_status;
}

std::string ServerProcess::Log() const
{
    std::lock_guard lock(m_logMutex);
    return m_log;
}

httplib::Client ServerProcess::Client() const
{
    httplib::Client client("127.0.0.1", m_port);
    client.set_read_timeout(30, 0);
    client.set_write_timeout(30, 0);
    return client;
}

std::int64_t ServerProcess::Now() const
{
    return SystemClockSeconds();
}
