#pragma once

#include "model/ArchiveFile.h"
#include "model/BlogUser.h"
#include "model/CBlogList.h"

#include <optional>
#include <string>
#include <vector>

// The device's user record: the account, kept in DATA-FOLDER/UserInfo.vxu,
// and the blogs found in the data folder.
class CWinBlogUser : public BlogUser {
public:
    static constexpr std::string_view kFileName = "UserInfo.vxu";
    static constexpr std::string_view kFileExtension = "vxu";
    // The format version this program writes.
    static constexpr std::uint32_t kFormatVersion = 1;

    // Works on the current device's data folder, which is created with
    // every missing parent.
    CWinBlogUser();
    explicit CWinBlogUser(std::string dataFolder);
    CWinBlogUser(const CWinBlogUser&) = delete;
    CWinBlogUser& operator=(const CWinBlogUser&) = delete;

    static const RuntimeClass& Class();
    const RuntimeClass& GetRuntimeClass() const override { return Class(); }
    // The user file: version, account, the blog URL names and (from
    // version 1) the remote blog names.
    void Serialize(Archive& archive) override;

    std::uint32_t GetUserId() const override { return m_userId; }
    const std::string& GetEmail() const override { return m_email; }
    const std::string& GetPassword() const override { return m_password; }
    std::uint16_t GetProAccount() const override { return m_proAccount; }
    std::uint32_t GetPhotoQuota() const override { return m_photoQuota; }
    void SetUserId(std::uint32_t id) override { m_userId = id; }
    void SetEmail(std::string_view email) override { m_email = email; }
    void SetPassword(std::string_view password) override { m_password = password; }
    void SetProAccount(std::uint16_t pro) override { m_proAccount = pro; }
    void SetPhotoQuota(std::uint32_t quota) override { m_photoQuota = quota; }
    void SetRemoteBlogNames(std::span<const std::string> names) override;

    // Reads the user file, then finds the blogs on the device. A missing or
    // damaged user file leaves the account empty or as far as it could be
    // read (see GetLoadDamage()); the blogs are found either way.
    void Load();
    // Reads the user file alone. A missing file is success and leaves the
    // account as it is; damage returns its code.
    ErrorCode ReadUserFile();
    // Writes the user file (readable by the user only when it is new).
    // On failure message 6002 is shown and the system's code returned.
    ErrorCode Save();
    // Makes a store for every "vxl" file of the data folder (any case;
    // folders are skipped), loads it and puts it in the blog list, which
    // is rebuilt. 0, or -1 when a store cannot be allocated.
    int FindBlogsOnDevice();

    std::uint32_t GetFormatVersion() const { return m_formatVersion; }
    const std::vector<std::u16string>& GetBlogUrlNames() const { return m_blogUrlNames; }
    void SetBlogUrlNames(std::vector<std::u16string> names) { m_blogUrlNames = std::move(names); }
    const std::vector<std::u16string>& GetRemoteBlogNames() const { return m_remoteBlogNames; }

    // Not stored: set by the login dialog, read at start.
    bool GetStartupConnect() const { return m_startupConnect; }
    void SetStartupConnect(bool connect) { m_startupConnect = connect; }

    CBlogList& GetBlogList() { return m_blogList; }
    const CBlogList& GetBlogList() const { return m_blogList; }
    const std::string& GetDataFolder() const { return m_dataFolder; }
    const std::string& GetFilePath() const { return m_file.GetPath(); }
    // Another user file than the data folder's (the command-line program).
    void SetFilePath(std::string path) { m_file.SetPath(std::move(path)); }

    bool WasFileFound() const { return m_file.WasFound(); }
    const std::optional<ArchiveDamage>& GetLoadDamage() const { return m_file.GetDamage(); }
    const std::string& GetPreservedCopyPath() const { return m_file.GetPreservedCopyPath(); }

private:
    std::uint32_t m_formatVersion { kFormatVersion };
    std::uint32_t m_userId { 0 };
    std::string m_email;
    std::string m_password;
    std::uint16_t m_proAccount { 0 };
    std::uint32_t m_photoQuota { 0 };
    std::vector<std::u16string> m_blogUrlNames;
    std::vector<std::u16string> m_remoteBlogNames;
    bool m_startupConnect { false };
    CBlogList m_blogList;
    std::string m_dataFolder;
    ArchiveFile m_file;
};
