#pragma once

#include <cstdint>
#include <string>

// The registry roots. The program uses only the current user's.
enum class RegistryRoot {
    None,
    CurrentUser,
};

// One open registry key of the emulated hive. Names, paths and texts are
// UTF-16, as the registry keeps them.
class CRegistry {
public:
    CRegistry() = default;
    CRegistry(RegistryRoot root, std::u16string path);
    ~CRegistry();
    CRegistry(const CRegistry&) = delete;
    CRegistry& operator=(const CRegistry&) = delete;

    // Remembers root and path and creates or opens the key.
    bool Create(RegistryRoot root, std::u16string path);
    // Opens the remembered key, which must exist.
    bool Open();
    bool Close();
    bool IsOpen() const { return m_open; }

    bool SetValue(std::u16string_view name, const void* data, std::uint32_t size, std::uint32_t type);
    // Reads into buffer (in: its size; out: the stored size). A buffer too
    // small for the value fails, with size set to the size needed; a null
    // buffer just asks for the size.
    bool QueryValue(std::u16string_view name, void* buffer, std::uint32_t& size, std::uint32_t& type);
    // The stored size in bytes; 0 when the value is missing.
    std::uint32_t GetValueSize(std::u16string_view name);
    // Stores the text as REG_SZ of (length + 1) * 2 bytes.
    bool SetString(std::u16string_view name, std::u16string_view text);
    // False, and text unchanged, when the value is missing or empty;
    // otherwise the stored text up to its first zero.
    bool GetString(std::u16string_view name, std::u16string& text);

    // One-shot operations: open the existing key for this one access and
    // close it again. None of them creates the key.
    static std::u16string ReadString(RegistryRoot root, std::u16string_view path, std::u16string_view name, std::u16string_view defaultValue);
    static bool WriteString(RegistryRoot root, std::u16string_view path, std::u16string_view name, std::u16string_view text);
    static std::uint32_t ReadDWORD(RegistryRoot root, std::u16string_view path, std::u16string_view name, std::uint32_t defaultValue);
    static bool WriteDWORD(RegistryRoot root, std::u16string_view path, std::u16string_view name, std::uint32_t value);
    static bool ReadBinary(RegistryRoot root, std::u16string_view path, std::u16string_view name, void* buffer, std::uint32_t& size);
    static bool WriteBinary(RegistryRoot root, std::u16string_view path, std::u16string_view name, const void* data, std::uint32_t size);

private:
    RegistryRoot m_root { RegistryRoot::None };
    std::u16string m_path;
    bool m_open { false };
};
