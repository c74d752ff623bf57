#pragma once

#include <cstdint>
#include <span>
#include <string>

// The address book's vCard reader over arbitrary bytes taken as a card
// file. Returns one line: the number of cards and of addresses and a
// digest of every name and address read, e.g. "2 cards, 3 addresses,
// values 5d0e1c44"; when a name or an address breaks what the contact
// chooser relies on (valid UTF-8; an address not empty, without blanks
// around it, line breaks or commas) the line ends with "; broken: " and
// what broke.
std::string ReadVCardBytes(std::span<const std::uint8_t> bytes);
