#pragma once

#include "platform/UserInteraction.h"
#include "transport/NetworkConnection.h"

// The frame of every network command: its progress window (hidden until
// the connection is up: the title and two status lines, the step and the
// record it works on) and the network connection; `operation` runs with
// the window once the connection is up. Without a connection nothing else
// happens: the connection has said why. Answers whether it ran.
template<typename Operation>
bool WithConnection(Operation operation)
{
    constexpr int kProgressLines = 3;
    auto progress = UserInteraction::Current().OpenProgressWindow(kProgressLines, false);
    NetworkConnection connection(progress.get());
    if (!connection.IsConnected())
        return false;
    operation(*progress);
    return true;
}
