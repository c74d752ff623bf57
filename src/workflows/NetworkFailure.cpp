#include "workflows/NetworkFailure.h"

#include "app/ErrorTable.h"

void ReportNetworkFailure(ErrorCode code)
{
    if (code == Error::Success || code == Error::AlreadyReported || code == Error::CreationRefused || code == Error::Cancelled
        || code == Error::NetworkUserCancelled)
        return;
    ShowError(code);
}
