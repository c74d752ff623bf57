#pragma once

#include "TerminalProgressWindow.h"

#include "platform/ErrorCode.h"
#include "service/ServiceCommands.h"
#include "transport/CurlHttp.h"

#include <memory>
#include <string_view>

// A network command of the command line, run the way the program runs one:
// a progress window on the terminal (status lines on stderr, Ctrl-C for
// Cancel), the network connection to the service host, then the service's
// command, which opens and closes the HTTP client. Failures are told once,
// by whoever found them; what is left is the exit status: 0, 1 for a
// failure, 3 when the user cancelled.
class NetworkCommand {
public:
    NetworkCommand();
    NetworkCommand(const NetworkCommand&) = delete;
    NetworkCommand& operator=(const NetworkCommand&) = delete;

    // Brings the connection up; false when it could not be made (message
    // 700 shown) or the user cancelled while it was being made. Status()
    // then says which.
    bool Connect();
    int Status() const { return m_status; }

    ServiceCommands& Commands() { return m_commands; }
    ProgressWindow& Progress() { return m_progress; }

    // The exit status of a command's code: every failure has been told by
    // now (10201); a code that somehow was not is told here.
    int StatusOf(ErrorCode code);
    // Whether the user pressed Cancel (Ctrl-C) during the command.
    bool Cancelled();

private:
    TerminalProgressWindow m_progress { 3 };
    CurlHttp m_http;
    ServiceCommands m_commands { m_http };
    int m_status { 0 };
};
