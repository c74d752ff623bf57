#pragma once

#include <string>
#include <string_view>
#include <vector>

// The address book's cards (vCard 2.1, 3.0 and 4.0, RFC 2426 and RFC
// 6350), read for the one thing the program wants from them: who can be
// mailed, at which addresses. The reader is tolerant, as address books
// written by many programs over the years need: any line ending, folded
// lines, quoted-printable values with soft line breaks, 8-bit character
// sets, property groups, cards without their END line. What it cannot
// understand it skips; no input makes it fail.
struct VCardContact {
    // The formatted name (FN); else the structured name (N) as given and
    // family name; else the organisation; else empty. UTF-8.
    std::string name;
    // The card's e-mail addresses in the card's order, a preferred one
    // first.
    std::vector<std::string> emails;
};

// Every card of the text, in order, those without an e-mail address
// included. Cards nested in a card (vCard 2.1's AGENT) are not contacts of
// their own.
std::vector<VCardContact> ParseVCards(std::string_view text);
