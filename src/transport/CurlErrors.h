#pragma once

#include "platform/ErrorCode.h"

#include <curl/curl.h>

// The code the user is shown for a failed transfer: a timeout as 4626, a
// name that does not resolve as 4666, a refused or dropped connection as
// 4619, a service certificate that does not verify as 4690, a cancel as
// 1223, exhausted memory as 8, anything else as 4625.
ErrorCode ErrorCodeFromCurl(CURLcode result);
