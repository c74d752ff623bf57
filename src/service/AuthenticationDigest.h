#pragma once

#include "transport/Sha1.h"

#include <string_view>

// The digest that proves a password without sending it: SHA-1 of the
// nonce, the created time and the password, one after the other without
// separators. As the service has always computed it, only the first
// (total length modulo 65536) bytes count.
Sha1Digest AuthenticationDigest(std::string_view nonce, std::string_view created, std::string_view password);
