#pragma once

#include "platform/ErrorCode.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// Value types as the registry numbers them.
namespace RegistryType {
constexpr std::uint32_t String = 1; // REG_SZ: UTF-16LE with its terminating zero
constexpr std::uint32_t Binary = 3; // REG_BINARY
constexpr std::uint32_t DWord = 4;  // REG_DWORD: 4 bytes little-endian
}

struct RegistryValue {
    std::uint32_t type { RegistryType::Binary };
    std::vector<std::uint8_t> data;

    bool operator==(const RegistryValue&) const = default;
};

// The emulated HKEY_CURRENT_USER hive, kept in one text file in the
// registry-export format. Key paths are relative to the root and use "\";
// key and value names compare without regard to case. Each write rewrites
// the file atomically; each read first picks up changes that another
// process made to the file.
class RegistryHive {
public:
    explicit RegistryHive(std::string filePath);

    // The hive of the current device folders.
    static RegistryHive& CurrentUser();

    const std::string& FilePath() const { return m_filePath; }

    bool KeyExists(const std::string& keyPath);
    // Creates the key and any missing parents; an existing key is success.
    ErrorCode CreateKey(const std::string& keyPath);
    std::optional<RegistryValue> QueryValue(const std::string& keyPath, const std::string& name);
    // The key must exist.
    ErrorCode SetValue(const std::string& keyPath, const std::string& name, RegistryValue value);
    // Why the last write that failed (CreateKey or SetValue) did; Success
    // once a write succeeds. For callers that only learn "it failed" and
    // must say why.
    ErrorCode LastWriteError() const { return m_lastWriteError; }

    // Whether the file held lines that could not be read when it was last loaded.
    bool LoadedDamagedFile() const { return m_damaged; }
    // Where the damaged file was kept aside by the first save after loading it.
    const std::string& DamagedCopyPath() const { return m_damagedCopy; }

    // The hive as file text, and parsing it back (used by tests and the file I/O).
    std::string Serialize() const;

private:
    struct Key {
        std::string path;                                                    // as first written
        std::map<std::string, std::pair<std::string, RegistryValue>> values; // lower-case name -> (name, value)
    };

    void ReloadIfChanged();
    void Load();
    void Parse(const std::string& text);
    ErrorCode Save();
    Key* FindKey(const std::string& keyPath);

    std::string m_filePath;
    std::map<std::string, Key> m_keys; // lower-case path -> key
    bool m_damaged { false };
    std::string m_damagedCopy;

    struct FileIdentity {
        std::uint64_t device { 0 }, inode { 0 }, size { 0 };
        std::int64_t modifiedNanoseconds { 0 };
        bool exists { false };
        bool operator==(const FileIdentity&) const = default;
    };
    static FileIdentity IdentityOf(const std::string& path);
    FileIdentity m_loadedIdentity;
    bool m_loaded { false };
    ErrorCode m_lastWriteError { Error::Success };
};
