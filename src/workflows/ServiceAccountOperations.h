#pragma once

#include "workflows/AccountOperations.h"

class Http;

// The account operations over the web service of the "Service Host"
// preference, each in the network frame of a command: the HTTP client is
// opened (message 8500 when it cannot be), the operation reports its steps
// to the progress window, and the client is closed again.
class ServiceAccountOperations final : public AccountOperations {
public:
    explicit ServiceAccountOperations(Http& http)
        : m_http(http)
    {
    }

    ErrorCode CreateAccount(std::string_view email, std::string_view password, std::string_view firstName, std::string_view lastName,
        ProgressWindow& progress) override;
    ErrorCode CreateBlog(std::string_view email, std::string_view password, std::string_view blogUrlName, std::string_view title,
        std::string_view subtitle, BlogUrlAlternates& alternates, ProgressWindow& progress) override;
    ErrorCode GetChannels(CWinBlogChannels& channels, ProgressWindow& progress) override;

private:
    template<typename Operation>
    ErrorCode InFrame(ProgressWindow& progress, Operation operation);

    Http& m_http;
};
