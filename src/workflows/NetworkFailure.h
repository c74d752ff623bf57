#pragma once

#include "platform/ErrorCode.h"

// Shows the failure of a dialog's network step through the error table,
// unless the user has already been told (10201, a refusal whose text was
// shown) or cancelled it himself.
void ReportNetworkFailure(ErrorCode code);
