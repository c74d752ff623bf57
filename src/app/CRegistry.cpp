#include "app/CRegistry.h"

#include "platform/CodePage.h"
#include "platform/RegistryHive.h"

#include <cstring>

static std::string KeyPath(std::u16string_view path)
{
    return Utf16ToUtf8(path);
}

CRegistry::CRegistry(RegistryRoot root, std::u16string path)
    : m_root(root)
    , m_path(std::move(path))
{
}

CRegistry::~CRegistry()
{
    Close();
}

bool CRegistry::Create(RegistryRoot root, std::u16string path)
{
    Close();
    m_root = root;
    m_path = std::move(path);
    if (m_root != RegistryRoot::CurrentUser)
        return false;
    m_open = RegistryHive::CurrentUser().CreateKey(KeyPath(m_path)) == Error::Success;
    return m_open;
}

bool CRegistry::Open()
{
    Close();
    if (m_root != RegistryRoot::CurrentUser)
        return false;
    m_open = RegistryHive::CurrentUser().KeyExists(KeyPath(m_path));
    return m_open;
}

bool CRegistry::Close()
{
    bool wasOpen = m_open;
    m_open = false;
    return wasOpen;
}

bool CRegistry::SetValue(std::u16string_view name, const void* data, std::uint32_t size, std::uint32_t type)
{
    if (!m_open)
        return false;
    RegistryValue value { type, {} };
    auto bytes = static_cast<const std::uint8_t*>(data);
    if (size > 0)
        value.data.assign(bytes, bytes + size);
    return RegistryHive::CurrentUser().SetValue(KeyPath(m_path), Utf16ToUtf8(name), std::move(value)) == Error::Success;
}

bool CRegistry::QueryValue(std::u16string_view name, void* buffer, std::uint32_t& size, std::uint32_t& type)
{
    if (!m_open)
        return false;
    auto value = RegistryHive::CurrentUser().QueryValue(KeyPath(m_path), Utf16ToUtf8(name));
    if (!value)
        return false;
    auto stored = static_cast<std::uint32_t>(value->data.size());
    type = value->type;
    if (!buffer) {
        size = stored;
        return true;
    }
    if (stored > size) {
        size = stored;
        return false;
    }
    if (stored > 0)
        std::memcpy(buffer, value->data.data(), stored);
    size = stored;
    return true;
}

std::uint32_t CRegistry::GetValueSize(std::u16string_view name)
{
    std::uint32_t size = 0;
    std::uint32_t type = 0;
    if (!QueryValue(name, nullptr, size, type))
        return 0;
    return size;
}

bool CRegistry::SetString(std::u16string_view name, std::u16string_view text)
{
    std::u16string terminated(text);
    terminated.push_back(u'\0');
    std::string bytes;
    for (char16_t unit : terminated) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return SetValue(name, bytes.data(), static_cast<std::uint32_t>(bytes.size()), RegistryType::String);
}

bool CRegistry::GetString(std::u16string_view name, std::u16string& text)
{
    std::uint32_t size = GetValueSize(name);
    if (size == 0)
        return false;
    std::string bytes(size, '\0');
    std::uint32_t type = 0;
    if (!QueryValue(name, bytes.data(), size, type))
        return false;
    std::u16string result;
    for (std::uint32_t i = 0; i + 1 < size; i += 2) {
        char16_t unit = static_cast<char16_t>(static_cast<std::uint8_t>(bytes[i]) | (static_cast<std::uint8_t>(bytes[i + 1]) << 8));
        if (unit == 0)
            break;
        result.push_back(unit);
    }
    text = std::move(result);
    return true;
}

std::u16string CRegistry::ReadString(RegistryRoot root, std::u16string_view path, std::u16string_view name, std::u16string_view defaultValue)
{
    CRegistry key(root, std::u16string(path));
    std::u16string text(defaultValue);
    if (key.Open())
        key.GetString(name, text);
    return text;
}

bool CRegistry::WriteString(RegistryRoot root, std::u16string_view path, std::u16string_view name, std::u16string_view text)
{
    CRegistry key(root, std::u16string(path));
    return key.Open() && key.SetString(name, text);
}

std::uint32_t CRegistry::ReadDWORD(RegistryRoot root, std::u16string_view path, std::u16string_view name, std::uint32_t defaultValue)
{
    std::uint8_t bytes[4] {};
    std::uint32_t size = sizeof bytes;
    if (!ReadBinary(root, path, name, bytes, size) || size != sizeof bytes)
        return defaultValue;
    return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (std::uint32_t(bytes[3]) << 24);
}

bool CRegistry::WriteDWORD(RegistryRoot root, std::u16string_view path, std::u16string_view name, std::uint32_t value)
{
    std::uint8_t bytes[4] = { std::uint8_t(value), std::uint8_t(value >> 8), std::uint8_t(value >> 16), std::uint8_t(value >> 24) };
    CRegistry key(root, std::u16string(path));
    return key.Open() && key.SetValue(name, bytes, sizeof bytes, RegistryType::DWord);
}

bool CRegistry::ReadBinary(RegistryRoot root, std::u16string_view path, std::u16string_view name, void* buffer, std::uint32_t& size)
{
    CRegistry key(root, std::u16string(path));
    std::uint32_t type = 0;
    return key.Open() && key.QueryValue(name, buffer, size, type);
}

bool CRegistry::WriteBinary(RegistryRoot root, std::u16string_view path, std::u16string_view name, const void* data, std::uint32_t size)
{
    CRegistry key(root, std::u16string(path));
    return key.Open() && key.SetValue(name, data, size, RegistryType::Binary);
}
