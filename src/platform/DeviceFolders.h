#pragma once

#include <optional>
#include <string>
#include <vector>

// Where the program keeps and finds things on this machine. Either a
// sandboxed device rooted at one folder (VELLUMBRIX_HOME or --home), laid out
// like the handheld, or the user's XDG folders.
class DeviceFolders {
public:
    // A sandboxed device: personal folder HOME/My Documents, pictures inside
    // it, storage cards HOME/Storage Card*, temporary files HOME/Temp and the
    // registry file HOME/registry.reg.
    static DeviceFolders ForSandbox(const std::string& home);
    // XDG folders of the current user.
    static DeviceFolders ForDesktop();
    // The sandbox named by VELLUMBRIX_HOME when set, otherwise the desktop.
    static DeviceFolders FromEnvironment();

    // The folders every part of the program uses; FromEnvironment() until
    // Use() installs others.
    static const DeviceFolders& Current();
    static void Use(DeviceFolders folders);

    bool IsSandbox() const { return m_sandboxHome.has_value(); }
    const std::optional<std::string>& SandboxHome() const { return m_sandboxHome; }

    // The user's personal folder ("My Documents" on the device).
    const std::string& PersonalFolder() const { return m_personal; }
    // The user's pictures folder ("My Pictures").
    const std::string& PicturesFolder() const { return m_pictures; }
    // The device's internal storage, as opposed to its storage cards: a
    // photo whose path lies inside it is "on internal storage" when photos
    // are moved to or from a card. In a sandbox it is the personal folder
    // (the handheld's "My Documents", which holds "My Pictures"); on the
    // desktop it is the home folder, which holds both the documents and the
    // pictures folder, while cards are mounted elsewhere (/media).
    const std::string& InternalStorageFolder() const { return m_internal; }
    // Where the user file and the blog store files live.
    const std::string& DataFolder() const { return m_data; }
    const std::string& RegistryFile() const { return m_registryFile; }
    // The desktop's address book folder of vCard files, $XDG_DATA_HOME/
    // contacts (where KDE's and vdirsyncer's address books keep one file
    // per contact, in a subfolder per book); none in a sandbox, whose
    // address book is the personal folder's "Contacts.vcf" alone.
    const std::string& AddressBookFolder() const { return m_addressBook; }
    // The folder for temporary files; created when missing.
    std::string TemporaryFolder() const;
    // The root folders of the storage cards present now, in name order.
    std::vector<std::string> StorageCards() const;

private:
    std::optional<std::string> m_sandboxHome;
    std::string m_personal;
    std::string m_pictures;
    std::string m_internal;
    std::string m_data;
    std::string m_registryFile;
    std::string m_addressBook;
    std::string m_temporary;
    std::vector<std::string> m_cardParents;
};
