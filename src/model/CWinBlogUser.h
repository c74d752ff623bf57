#pragma once

#include "model/AccountData.h"
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
    // The blog list passes the id on to every store.
    void SetUserId(std::uint32_t id) override;
    void SetEmail(std::string_view email) override { m_email = email; }
    void SetPassword(std::string_view password) override { m_password = password; }
    void SetProAccount(std::uint16_t pro) override { m_proAccount = pro; }
    void SetPhotoQuota(std::uint32_t quota) override { m_photoQuota = quota; }
    void SetRemoteBlogNames(std::span<const std::string> names) override;

    const std::string* GetBlogUrlNameAt(size_t index) const override;
    long FindBlogIndex(std::string_view urlName) const override { return m_blogList.FindIndex(urlName); }
    void SelectAllBlogsForSync() override;
    void DeselectBlog(size_t index) override;
    const std::string* NextSelectedBlog(size_t& index) const override;
    // Questions 182 and 183. A blog that is not on the device counts as
    // unsubscribed.
    bool UnsubscribeBlog(std::string_view urlName) override;
    // Question 176, message 7000 when the store cannot be made, the
    // preferences sheet with the sync page alone; the new store is marked
    // as a new blog. A store that cannot be saved (message 6002) is not
    // put in the list, so that the list matches the files.
    bool SubscribeBlog(std::string_view urlName) override;
    void RebuildBlogUrlNames() override;
    bool IsKnownBlog(std::string_view urlName) const override;

    CWinBlogStorage* FindBlog(std::string_view urlName) const { return m_blogList.Find(urlName); }
    CWinBlogStorage* FindBlog(std::u16string_view urlName) const { return m_blogList.Find(urlName); }
    // Deletes the blog's store file and takes the blog out of the list,
    // destroying its store; with deletePhotos, its photos are deleted too
    // (after the file, so that a file that cannot be deleted leaves the
    // blog whole). A store file that cannot be deleted: the blog stays and
    // the system's code is returned.
    ErrorCode RemoveBlog(CWinBlogStorage* store, bool deletePhotos);
    // The read-only blog "sample" (file "Sample.vxl", title "Sample Blog")
    // offered to a user without an account; -1 when its store cannot be
    // made.
    int CreateSampleBlog();
    void ClearNewBlogFlags();
    // Brings the account and the blog list in line with what the service
    // reported: the account's fields, subscribing to blogs the service
    // lists that were never on the device, offering to unsubscribe from
    // those it no longer lists, the remote blog names, then the stored URL
    // names. Returns whether the service's subscription list must be
    // repaired from the device's (a blog was refused, could not be added or
    // removed, or was removed on the device). The caller saves.
    bool ReconcileAccount(const AccountData& account);

    // Reads the user file, then finds the blogs on the device. A missing or
    // damaged user file leaves the account empty or as far as it could be
    // read (see GetLoadError() and GetLoadDamage()); the blogs are found
    // either way.
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
    // What the last Load() met reading the user file: 0 when it was read or
    // missing.
    ErrorCode GetLoadError() const { return m_loadError; }
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
    ErrorCode m_loadError { Error::Success };
};
