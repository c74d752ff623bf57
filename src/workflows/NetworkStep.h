#pragma once

#include "platform/UserInteraction.h"
#include "transport/NetworkConnection.h"

#include <string_view>

// Lines of the progress window of a network step: the title and two status
// lines (the step and the record it works on).
inline constexpr int kNetworkProgressLines = 3;

// Opens the step's progress window (hidden until the connection is up) and
// the connection, and runs `operation` with the window once it is up.
// Without a connection nothing else happens (the connection has said why)
// and the answer is false. The window and the connection close on return.
template<typename Operation>
bool RunConnected(Operation operation, std::string_view title = {})
{
    auto progress = UserInteraction::Current().OpenProgressWindow(kNetworkProgressLines, false);
    if (!title.empty())
        progress->SetLine(0, title);
    NetworkConnection connection(progress.get());
    if (!connection.IsConnected())
        return false;
    operation(*progress);
    return true;
}
