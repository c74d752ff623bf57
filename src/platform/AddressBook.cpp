#include "platform/AddressBook.h"

#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/VCard.h"

#include <algorithm>
#include <tuple>

static constexpr const char* kPersonalContactsFile = "Contacts.vcf";
// Larger files are not address books; reading one would only cost memory.
static constexpr std::uint64_t kLargestCardFile = 16u << 20;

static bool IsCardFileName(const std::string& name)
{
    if (name.size() < 4)
        return false;
    std::string extension = name.substr(name.size() - 4);
    std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".vcf";
}

static void AddCardFile(const std::string& path, std::vector<AddressBookEntry>& entries)
{
    auto size = FileSizeOf(path);
    if (size.IsError() || *size > kLargestCardFile)
        return;
    auto text = ReadWholeFile(path);
    if (text.IsError())
        return;
    for (VCardContact& contact : ParseVCards(*text)) {
        for (std::string& email : contact.emails)
            entries.push_back({ contact.name, std::move(email) });
    }
}

// The card files of a folder, and of its subfolders when `levels` allows.
static void AddCardFolder(const std::string& folder, int levels, std::vector<AddressBookEntry>& entries)
{
    auto listing = ListFolder(folder);
    if (listing.IsError())
        return;
    for (const DirectoryEntry& entry : *listing) {
        std::string path = JoinPath(folder, entry.name);
        if (entry.isRegularFile && IsCardFileName(entry.name))
            AddCardFile(path, entries);
        else if (entry.isDirectory && levels > 0)
            AddCardFolder(path, levels - 1, entries);
    }
}

static std::string FoldedCase(const std::string& text)
{
    std::string folded = text;
    std::transform(folded.begin(), folded.end(), folded.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return folded;
}

std::vector<AddressBookEntry> LoadAddressBook(const DeviceFolders& folders)
{
    std::vector<AddressBookEntry> entries;
    if (!folders.PersonalFolder().empty())
        AddCardFile(JoinPath(folders.PersonalFolder(), kPersonalContactsFile), entries);
    if (!folders.AddressBookFolder().empty())
        AddCardFolder(folders.AddressBookFolder(), 1, entries);
    auto key = [](const AddressBookEntry& entry) { return std::tuple(FoldedCase(entry.name), FoldedCase(entry.email), entry.name, entry.email); };
    std::sort(entries.begin(), entries.end(), [&](const AddressBookEntry& a, const AddressBookEntry& b) { return key(a) < key(b); });
    entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
    return entries;
}
