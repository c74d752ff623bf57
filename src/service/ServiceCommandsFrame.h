#pragma once

// What every network command of ServiceCommands runs inside: the HTTP
// client open for the command, and the progress window's callback.

#include "app/Messages.h"
#include "platform/ProgressWindow.h"
#include "service/ProgressWindowCallback.h"
#include "service/ServiceCommands.h"
#include "transport/Http.h"

#include <string>

// The HTTP client, open for one command.
class ServiceCommands::OpenClient {
public:
    explicit OpenClient(Http& http)
        : m_http(http)
        , m_open(http.Open(1))
    {
        if (!m_open)
            ShowStringMessage(kNoConnectionMessage, MessageIcon::Error);
    }
    ~OpenClient()
    {
        if (m_open)
            m_http.Close(1);
    }
    OpenClient(const OpenClient&) = delete;
    OpenClient& operator=(const OpenClient&) = delete;

    bool IsOpen() const { return m_open; }

private:
    static constexpr StringId kNoConnectionMessage = 8500;

    Http& m_http;
    bool m_open;
};

// The progress window's callback, which also keeps the failures that the
// requests report.
class ServiceCommands::Progress {
public:
    Progress(ServiceCommands& commands, ProgressWindow& window, std::string title = {})
        : m_commands(commands)
        , m_window(&window, std::move(title))
    {
    }

    ProgressCallback Callback() const { return &Answer; }
    void* Context() { return this; }

private:
    static bool Answer(void* context, const ProgressRecord* record, int reserved)
    {
        auto* self = static_cast<Progress*>(context);
        if (record && record->step == ProgressStep::ErrorReport)
            self->m_commands.m_lastRequestFailure = record->code;
        return ProgressWindowCallback::Answer(self->m_window.Context(), record, reserved);
    }

    ServiceCommands& m_commands;
    ProgressWindowCallback m_window;
};

template<typename Request>
ErrorCode ServiceCommands::RunRequest(ProgressWindow& progress, const Request& request)
{
    Begin();
    OpenClient client(m_http);
    if (!client.IsOpen())
        return Error::AlreadyReported;
    Progress callback(*this, progress);
    return Conclude(request(callback.Callback(), callback.Context()));
}
