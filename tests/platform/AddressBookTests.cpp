#include "platform/AddressBook.h"
#include "platform/FileSystem.h"
#include "support/ScopedEnvironment.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace {

std::string Card(const std::string& name, const std::string& email)
{
    return "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + name + "\r\nEMAIL:" + email + "\r\nEND:VCARD\r\n";
}

class AddressBookFolders : public testing::Test {
protected:
    AddressBookFolders()
    {
        ScopedEnvironment sandbox("VELLUMBRIX_HOME", "");
        ScopedEnvironment userHome("HOME", home.Path());
        ScopedEnvironment data("XDG_DATA_HOME", home.File("data"));
        ScopedEnvironment config("XDG_CONFIG_HOME", home.File("cfg"));
        ScopedEnvironment documents("XDG_DOCUMENTS_DIR", "");
        folders = DeviceFolders::FromEnvironment();
    }

    TemporaryFolder home;
    DeviceFolders folders = DeviceFolders::ForSandbox("/nonexistent");
};

}

TEST_F(AddressBookFolders, NoAddressBookGivesNoEntries)
{
    EXPECT_TRUE(LoadAddressBook(folders).empty());
}

TEST_F(AddressBookFolders, ThePersonalFileAndTheDesktopsBooksMakeOneSortedList)
{
    ASSERT_EQ(CreateFolderWithParents(folders.PersonalFolder()), Error::Success);
    ASSERT_EQ(CreateFolderWithParents(home.File("data/contacts/work")), Error::Success);
    ASSERT_EQ(CreateFolderWithParents(home.File("data/contacts/work/deeper")), Error::Success);
    WriteTextFile(folders.PersonalFolder() + "/Contacts.vcf", Card("zoë", "zoe@example.ie") + Card("Ann", "ann@example.com"));
    WriteTextFile(home.File("data/contacts/bob.VCF"), Card("Bob", "bob@example.com"));
    // The same person in two books is listed once.
    WriteTextFile(home.File("data/contacts/work/ann.vcf"), Card("Ann", "ann@example.com") + Card("", "desk@example.com"));
    WriteTextFile(home.File("data/contacts/work/notes.txt"), Card("Not", "a-card@example.com"));
    WriteTextFile(home.File("data/contacts/work/deeper/too-deep.vcf"), Card("Deep", "deep@example.com"));
    ASSERT_EQ(CreateFolder(home.File("data/contacts/folder.vcf")), Error::Success);

    EXPECT_EQ(LoadAddressBook(folders), (std::vector<AddressBookEntry> {
                                            { "", "desk@example.com" },
                                            { "Ann", "ann@example.com" },
                                            { "Bob", "bob@example.com" },
                                            { "zoë", "zoe@example.ie" },
                                        }));
}

TEST(AddressBook, ASandboxReadsItsPersonalContactsFile)
{
    TemporaryFolder home;
    DeviceFolders folders = DeviceFolders::ForSandbox(home.Path());
    ASSERT_EQ(CreateFolderWithParents(folders.PersonalFolder()), Error::Success);
    WriteTextFile(folders.PersonalFolder() + "/Contacts.vcf", "BEGIN:VCARD\nFN:Ann\nEMAIL:a1@example.com\nEMAIL:a2@example.com\nEND:VCARD\n");
    EXPECT_EQ(LoadAddressBook(folders), (std::vector<AddressBookEntry> { { "Ann", "a1@example.com" }, { "Ann", "a2@example.com" } }));
}
