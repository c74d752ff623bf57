#pragma once

#include "transport/ServiceHost.h"

#include <cstdint>

// Whether this machine has a network route to the host: 0 when it has one
// (loopback counts), otherwise an HRESULT that says why not (0x800704CF
// when the network is unreachable). Nothing is sent: the route is looked up
// by connecting a datagram socket.
//
// A name that does not resolve says nothing about the network, so then a
// route to the wider network is enough; the request itself will report the
// name (4666).
std::uint32_t ProbeRoute(const HostAndPort& host);

// The HRESULT form of a C library errno value.
std::uint32_t HresultFromErrno(int errnoValue);
