#include "platform/DeviceFolders.h"
#include "platform/FileSystem.h"
#include "support/ScopedEnvironment.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

TEST(DeviceFolders, SandboxLaysOutAHandheld)
{
    TemporaryFolder home;
    ScopedEnvironment sandbox("VELLUMBRIX_HOME", home.Path());
    DeviceFolders folders = DeviceFolders::FromEnvironment();
    EXPECT_TRUE(folders.IsSandbox());
    EXPECT_EQ(folders.PersonalFolder(), home.Path() + "/My Documents");
    EXPECT_EQ(folders.PicturesFolder(), home.Path() + "/My Documents/My Pictures");
    EXPECT_EQ(folders.InternalStorageFolder(), folders.PersonalFolder());
    EXPECT_EQ(folders.DataFolder(), home.Path() + "/My Documents/Quillberry/Vellumbrix");
    EXPECT_EQ(folders.RegistryFile(), home.Path() + "/registry.reg");
    EXPECT_EQ(folders.TemporaryFolder(), home.Path() + "/Temp");
    EXPECT_TRUE(IsDirectory(home.Path() + "/Temp"));
    EXPECT_EQ(folders.AddressBookFolder(), "") << "the personal folder's Contacts.vcf alone";

    EXPECT_TRUE(folders.StorageCards().empty());
    EXPECT_EQ(CreateFolder(home.File("Storage Card 2")), Error::Success);
    EXPECT_EQ(CreateFolder(home.File("Storage Card")), Error::Success);
    EXPECT_EQ(CreateFolder(home.File("Not a card")), Error::Success);
    WriteTextFile(home.File("Storage Card.txt"), "a file, not a card");
    EXPECT_EQ(folders.StorageCards(), (std::vector<std::string> { home.File("Storage Card"), home.File("Storage Card 2") }));
}

TEST(DeviceFolders, DesktopUsesTheXdgFolders)
{
    TemporaryFolder home;
    ScopedEnvironment noSandbox("VELLUMBRIX_HOME", "");
    ScopedEnvironment userHome("HOME", home.Path());
    ScopedEnvironment config("XDG_CONFIG_HOME", home.File("cfg"));
    ScopedEnvironment data("XDG_DATA_HOME", "");
    ScopedEnvironment documents("XDG_DOCUMENTS_DIR", "");
    ScopedEnvironment pictures("XDG_PICTURES_DIR", "");
    ScopedEnvironment temporary("TMPDIR", "");
    EXPECT_EQ(CreateFolder(home.File("cfg")), Error::Success);
    WriteTextFile(home.File("cfg/user-dirs.dirs"), "# xdg-user-dirs\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");

    DeviceFolders folders = DeviceFolders::FromEnvironment();
    EXPECT_FALSE(folders.IsSandbox());
    EXPECT_EQ(folders.PersonalFolder(), home.Path() + "/Dokumente");
    EXPECT_EQ(folders.PicturesFolder(), home.Path() + "/Pictures");
    // Both the documents and the pictures lie inside the internal storage.
    EXPECT_EQ(folders.InternalStorageFolder(), home.Path());
    EXPECT_EQ(folders.DataFolder(), home.Path() + "/.local/share/Quillberry/Vellumbrix");
    EXPECT_EQ(folders.RegistryFile(), home.Path() + "/cfg/Quillberry/Vellumbrix/registry.reg");
    EXPECT_EQ(folders.AddressBookFolder(), home.Path() + "/.local/share/contacts");
    EXPECT_EQ(folders.TemporaryFolder(), "/tmp");
}

TEST(DeviceFolders, RelativeSandboxHomesBecomeAbsolute)
{
    DeviceFolders folders = DeviceFolders::ForSandbox("relative/home");
    ASSERT_TRUE(folders.SandboxHome().has_value());
    EXPECT_EQ(folders.SandboxHome()->front(), '/');
}
