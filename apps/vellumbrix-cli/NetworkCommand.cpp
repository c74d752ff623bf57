#include "NetworkCommand.h"

#include "CliCommand.h"

#include "app/ErrorTable.h"
#include "transport/NetworkConnection.h"

NetworkCommand::NetworkCommand() = default;

bool NetworkCommand::Connect()
{
    NetworkConnection connection(&m_progress);
    if (connection.IsConnected())
        return true;
    m_status = connection.WasCancelled() ? ExitCancelled : ExitFailure;
    return false;
}

bool NetworkCommand::Cancelled()
{
    return m_commands.LastCommandCancelled() || m_progress.IsCancelled();
}

int NetworkCommand::StatusOf(ErrorCode code)
{
    if (code == Error::Success)
        return ExitSuccess;
    if (Cancelled())
        return ExitCancelled;
    if (code != Error::AlreadyReported)
        ShowError(code);
    return ExitFailure;
}
