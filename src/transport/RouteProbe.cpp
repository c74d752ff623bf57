#include "transport/RouteProbe.h"

#include "platform/ErrorCode.h"
#include "platform/File.h"

#include <arpa/inet.h>
#include <cerrno>
#include <memory>
#include <netdb.h>
#include <netinet/in.h>
#include <string>
#include <sys/socket.h>

namespace {

constexpr std::uint32_t kNetworkUnreachable = 1231;
constexpr std::uint32_t kHostUnreachable = 1232;

struct AddressListDeleter {
    void operator()(addrinfo* list) const { ::freeaddrinfo(list); }
};

bool HasRouteTo(const sockaddr* address, socklen_t length, int& error)
{
    File socket(::socket(address->sa_family, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    if (!socket.IsOpen()) {
        error = errno;
        return false;
    }
    if (::connect(socket.Descriptor(), address, length) != 0) {
        error = errno;
        return false;
    }
    return true;
}

// A route to addresses outside this machine (documentation addresses, which
// nobody answers; nothing is sent to them anyway).
std::uint32_t ProbeWiderNetwork()
{
    int error = ENETUNREACH;
    sockaddr_in v4 {};
    v4.sin_family = AF_INET;
    v4.sin_port = htons(80);
    ::inet_pton(AF_INET, "192.0.2.1", &v4.sin_addr);
    if (HasRouteTo(reinterpret_cast<const sockaddr*>(&v4), sizeof v4, error))
        return 0;
    sockaddr_in6 v6 {};
    v6.sin6_family = AF_INET6;
    v6.sin6_port = htons(80);
    ::inet_pton(AF_INET6, "2001:db8::1", &v6.sin6_addr);
    if (HasRouteTo(reinterpret_cast<const sockaddr*>(&v6), sizeof v6, error))
        return 0;
    return HresultFromErrno(error);
}

}

std::uint32_t HresultFromErrno(int errnoValue)
{
    std::uint32_t code = errnoValue == ENETUNREACH ? kNetworkUnreachable
        : errnoValue == EHOSTUNREACH               ? kHostUnreachable
                                                   : static_cast<std::uint32_t>(ErrorCodeFromErrno(errnoValue));
    return 0x80070000u | (code & 0xFFFFu);
}

std::uint32_t ProbeRoute(const HostAndPort& host)
{
    addrinfo hints {};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.name.c_str(), std::to_string(host.port).c_str(), &hints, &found) != 0 || !found)
        return ProbeWiderNetwork();
    std::unique_ptr<addrinfo, AddressListDeleter> addresses(found);
    int error = ENETUNREACH;
    for (addrinfo* address = found; address; address = address->ai_next) {
        if (HasRouteTo(address->ai_addr, address->ai_addrlen, error))
            return 0;
    }
    return HresultFromErrno(error);
}
