#pragma once

#include "platform/DeviceFolders.h"

#include <string>
#include <vector>

// The user's address book, as the contact chooser offers it: one entry per
// e-mail address of every contact of the personal folder's "Contacts.vcf"
// and of the vCard files (".vcf") of the address book folder and its
// subfolders, one level down. Files that cannot be read are left out, as
// are contacts without an address.
struct AddressBookEntry {
    std::string name; // UTF-8; empty when the card names nobody
    std::string email;

    bool operator==(const AddressBookEntry&) const = default;
};

// Sorted by name without regard to case, then by address; an entry found
// twice (the same person in two books) is listed once.
std::vector<AddressBookEntry> LoadAddressBook(const DeviceFolders& folders);
