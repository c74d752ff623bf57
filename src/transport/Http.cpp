#include "transport/Http.h"

#include "transport/TimeText.h"

#include <ctime>

namespace {

std::mt19937::result_type MakeSeed()
{
    // The time alone would give two clients started in the same second the
    // same nonces.
    std::random_device device;
    return device() ^ static_cast<std::mt19937::result_type>(std::time(nullptr));
}

}

Http::Http()
    : m_random(MakeSeed())
{
}

std::string Http::MakeNonce()
{
    std::string nonce;
    nonce.reserve(kNonceLength);
    for (std::size_t i = 0; i < kNonceLength; ++i) {
        auto r = m_random() % 62;
        if (r < 26)
            nonce.push_back(static_cast<char>('a' + r));
        else if (r < 52)
            nonce.push_back(static_cast<char>('A' + (r - 26)));
        else
            nonce.push_back(static_cast<char>('0' + (r - 52)));
    }
    return nonce;
}

ProgramTime Http::GetCurrentSeconds()
{
    return ::GetCurrentSeconds();
}

std::uint32_t Http::GetSecondsFrom1904To1970()
{
    return kSecondsFrom1904To1970;
}

std::int32_t Http::GetTimeZoneOffset()
{
    return -LocalStandardTimeOffset();
}

std::string Http::FormatTime(ProgramTime time, bool utc)
{
    return ::FormatTime(time, utc);
}

ProgramTime Http::ParseTime(std::string_view text)
{
    return ::ParseTime(text);
}
