#include "transport/Http.h"

#include "transport/TimeText.h"

#include <array>
#include <cerrno>
#include <random>
#include <span>
#include <sys/random.h>

namespace {

constexpr unsigned kNonceAlphabetSize = 62;
// Random bytes from this value up are drawn again, so that every
// character of the alphabet is equally likely (4 x 62 = 248).
constexpr unsigned kUnbiasedLimit = 256 - 256 % kNonceAlphabetSize;

// Fills the bytes from the kernel's random source.
void FillRandom(std::span<std::uint8_t> bytes)
{
    std::size_t filled = 0;
    while (filled < bytes.size()) {
        ssize_t count = ::getrandom(bytes.data() + filled, bytes.size() - filled, 0);
        if (count > 0) {
            filled += static_cast<std::size_t>(count);
            continue;
        }
        if (count < 0 && errno == EINTR)
            continue;
        // A kernel without getrandom: the library's device reads the same
        // source through /dev/urandom.
        std::random_device device("/dev/urandom");
        for (; filled < bytes.size(); ++filled)
            bytes[filled] = static_cast<std::uint8_t>(device());
    }
}

// A random number below 62.
unsigned NextNonceDigit(std::array<std::uint8_t, 64>& pool, std::size_t& used)
{
    for (;;) {
        if (used == pool.size()) {
            FillRandom(pool);
            used = 0;
        }
        unsigned byte = pool[used++];
        if (byte < kUnbiasedLimit)
            return byte % kNonceAlphabetSize;
    }
}

}

std::string Http::MakeNonce()
{
    std::array<std::uint8_t, 64> pool {};
    std::size_t used = pool.size();
    std::string nonce;
    nonce.reserve(kNonceLength);
    for (std::size_t i = 0; i < kNonceLength; ++i) {
        auto r = NextNonceDigit(pool, used);
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
