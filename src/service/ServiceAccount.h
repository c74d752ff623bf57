#pragma once

#include <cstdint>
#include <string>

// The account a service request authenticates as, and the blog it is
// about. Set before each operation (SetAccount).
struct ServiceAccount {
    std::string email;
    std::string password;
    std::uint32_t userId { 0 };
    // The short name of the blog in its address; the key of the blog in
    // every request about it.
    std::string blogUrlName;
    // Opens a password-protected blog for reading.
    std::string viewerPassword;
};
