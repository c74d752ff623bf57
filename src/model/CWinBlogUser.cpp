#include "model/CWinBlogUser.h"

#include "app/Messages.h"
#include "platform/CodePage.h"
#include "platform/DeviceFolders.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"

#include <new>

// The file holds the account's password.
static constexpr unsigned kUserFilePermissions = 0600;

CWinBlogUser::CWinBlogUser()
    : CWinBlogUser(DeviceFolders::Current().DataFolder())
{
}

CWinBlogUser::CWinBlogUser(std::string dataFolder)
    : m_dataFolder(std::move(dataFolder))
    , m_file(JoinPath(m_dataFolder, kFileName), kUserFilePermissions)
{
    // A folder that cannot be made shows up as a failed save later.
    (void)CreateFolderWithParents(m_dataFolder);
}

const RuntimeClass& CWinBlogUser::Class()
{
    static const RuntimeClass runtimeClass {
        "CWinBlogUser",
        0,
        nullptr, // never read as a tagged object
    };
    return runtimeClass;
}

void CWinBlogUser::Serialize(Archive& archive)
{
    std::uint32_t version = kFormatVersion;
    archive.Exchange("format version", version);
    bool versionRead = !archive.Failed();
    archive.Exchange("user id", m_userId);
    archive.Exchange("e-mail", m_email);
    archive.Exchange("password", m_password);
    archive.Exchange("pro account", m_proAccount);
    archive.Exchange("photo quota", m_photoQuota);
    archive.ExchangeTextList("blog URL names", m_blogUrlNames);
    // Files of version 0 end here.
    if (archive.IsStoring() || version != 0)
        archive.ExchangeTextList("remote blog names", m_remoteBlogNames);
    if (archive.IsStoring() || !versionRead)
        return;
    archive.Reader().ExpectEnd();
    m_formatVersion = version;
    if (version == 0)
        m_remoteBlogNames.clear();
}

void CWinBlogUser::SetRemoteBlogNames(std::span<const std::string> names)
{
    m_remoteBlogNames.clear();
    for (auto& name : names)
        m_remoteBlogNames.push_back(Utf8ToUtf16(name));
}

void CWinBlogUser::Load()
{
    // A user file that cannot be read means no account yet; the reason is
    // kept for whoever wants to tell the user (GetLoadError()).
    m_loadError = ReadUserFile();
    FindBlogsOnDevice();
}

ErrorCode CWinBlogUser::ReadUserFile()
{
    ErrorCode error = m_file.Load([this](Archive& archive) { Serialize(archive); });
    m_blogList.SetUserId(m_userId);
    return error;
}

void CWinBlogUser::SetUserId(std::uint32_t id)
{
    m_userId = id;
    m_blogList.SetUserId(id);
}

ErrorCode CWinBlogUser::Save()
{
    ErrorCode error = m_file.Save([this](Archive& archive) { Serialize(archive); });
    if (error) {
        ShowStringMessage(CWinBlogStorage::kSaveFailedMessage, MessageIcon::Error);
        return error;
    }
    m_formatVersion = kFormatVersion;
    return Error::Success;
}

int CWinBlogUser::FindBlogsOnDevice()
{
    m_blogList.RemoveAll();
    auto entries = ListFolder(m_dataFolder);
    if (entries.IsError())
        return 0;
    for (auto& entry : *entries) {
        // Folders, FIFOs and devices are no stores (opening a FIFO would
        // wait for a writer).
        if (!entry.isRegularFile || !EqualsIgnoringCase(ExtensionOf(entry.name), CWinBlogStorage::kFileExtension))
            continue;
        std::unique_ptr<CWinBlogStorage> store(new (std::nothrow) CWinBlogStorage());
        if (!store)
            return -1;
        store->SetFilePath(JoinPath(m_dataFolder, entry.name));
        // A damaged store is listed all the same: what it holds stays usable
        // and its file is kept aside before it is saved again.
        (void)store->Load();
        m_blogList.Insert(std::move(store));
    }
    return 0;
}
