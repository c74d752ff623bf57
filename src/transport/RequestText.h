#pragma once

#include "transport/HttpRequest.h"

#include <memory>

// The text of a request as it is laid out for sending: the request line,
// "Host", "Content-Type" and "Content-Length", then the extra header lines
// in slot order, a blank line and the body. With a body the result is a
// CompoundStream of the header text and the body (the request gives its body
// up); without one, the header text at position 0. Null when memory runs out.
//
// The Host line carries ":port" when the port is not the scheme's default,
// so a service on "127.0.0.1:8080" is addressed as such.
std::unique_ptr<Stream> MakeRequestText(HttpRequest& request);
