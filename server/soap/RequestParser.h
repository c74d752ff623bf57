#pragma once

#include "server/soap/ServiceRequest.h"

#include <string_view>
#include <variant>

// Reads a request envelope with a real XML parser (pugixml): the SOAP
// envelope and body, the action element, its RQ, the element of the same
// name and the inner RQ with the version, the authentication, the blog and
// the action's fields. Anything else is a MalformedRequest with its reason;
// no input makes it fail otherwise.
std::variant<ServiceRequest, MalformedRequest> ParseServiceRequest(std::string_view body);

// Whether the action is one the service knows.
bool IsKnownAction(std::string_view action);
