#include "VCardExercise.h"

#include "platform/CodePage.h"
#include "platform/VCard.h"

#include <cstdio>
#include <string_view>

namespace {

// FNV-1a, enough to tell one set of values from another in a recorded
// outcome.
std::uint32_t Digest(std::uint32_t hash, std::string_view text)
{
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 16777619u;
    }
    return (hash ^ 0xffu) * 16777619u; // a separator between values
}

bool IsValidUtf8(const std::string& text)
{
    return Utf16ToUtf8(Utf8ToUtf16(text)) == text;
}

std::string AddressFault(const std::string& address)
{
    if (address.empty())
        return "an empty address";
    if (!IsValidUtf8(address))
        return "an address that is not UTF-8";
    if (address.front() == ' ' || address.back() == ' ' || address.front() == '\t' || address.back() == '\t')
        return "blanks around an address";
    for (char c : address) {
        if (static_cast<unsigned char>(c) < 0x20 || c == ',')
            return "a control character or comma in an address";
    }
    return {};
}

}

std::string ReadVCardBytes(std::span<const std::uint8_t> bytes)
{
    std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    auto contacts = ParseVCards(text);
    std::uint32_t hash = 2166136261u;
    size_t addresses = 0;
    std::string fault;
    for (const VCardContact& contact : contacts) {
        hash = Digest(hash, contact.name);
        if (fault.empty() && !IsValidUtf8(contact.name))
            fault = "a name that is not UTF-8";
        for (const std::string& email : contact.emails) {
            hash = Digest(hash, email);
            ++addresses;
            if (fault.empty())
                fault = AddressFault(email);
        }
    }
    char digest[16];
    std::snprintf(digest, sizeof digest, "%08x", static_cast<unsigned>(hash));
    std::string line = std::to_string(contacts.size()) + " cards, " + std::to_string(addresses) + " addresses, values " + digest;
    if (!fault.empty())
        line += "; broken: " + fault;
    return line;
}
