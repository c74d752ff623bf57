#include "platform/RegistryHive.h"

#include "platform/AtomicFile.h"
#include "platform/CodePage.h"
#include "platform/DeviceFolders.h"
#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"

#include <cstdio>
#include <memory>
#include <sstream>
#include <sys/stat.h>

static constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
static constexpr std::string_view kRootName = "HKEY_CURRENT_USER";

static std::string Lower(std::string_view text)
{
    std::string result(text);
    for (char& c : result) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

static std::string NormalizeKeyPath(std::string_view path)
{
    while (!path.empty() && path.front() == '\\')
        path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\')
        path.remove_suffix(1);
    return std::string(path);
}

// --- Writing -------------------------------------------------------------

static std::string Quote(std::string_view text)
{
    std::string result = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"')
            result += '\\';
        result += c;
    }
    result += '"';
    return result;
}

// The text of a REG_SZ value when it can be written as a quoted string and
// read back to the very same bytes.
static std::optional<std::string> PrintableString(const std::vector<uint8_t>& data)
{
    if (data.size() < 2 || data.size() % 2 != 0)
        return std::nullopt;
    std::u16string units;
    for (size_t i = 0; i + 1 < data.size(); i += 2)
        units += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    if (units.back() != 0)
        return std::nullopt;
    units.pop_back();
    for (char16_t unit : units) {
        if (unit < 0x20)
            return std::nullopt;
    }
    std::string text = Utf16ToUtf8(units);
    if (Utf8ToUtf16(text) != units)
        return std::nullopt;
    return text;
}

static std::string HexList(const std::vector<uint8_t>& data)
{
    std::string result;
    char buffer[4];
    for (size_t i = 0; i < data.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, "%02x", data[i]);
        if (i > 0)
            result += ',';
        result += buffer;
    }
    return result;
}

static std::string ValueText(const RegistryValue& value)
{
    if (value.type == RegistryType::DWord && value.data.size() == 4) {
        uint32_t number = value.data[0] | (value.data[1] << 8) | (value.data[2] << 16) | (uint32_t(value.data[3]) << 24);
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "dword:%08x", number);
        return buffer;
    }
    if (value.type == RegistryType::String) {
        if (auto text = PrintableString(value.data))
            return Quote(*text);
    }
    if (value.type == RegistryType::Binary)
        return "hex:" + HexList(value.data);
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "hex(%x):", value.type);
    return prefix + HexList(value.data);
}

std::string RegistryHive::Serialize() const
{
    std::string text(kHeader);
    text += "\n";
    for (auto& [lowerPath, key] : m_keys) {
        text += "\n[";
        text += kRootName;
        text += "\\" + key.path + "]\n";
        for (auto& [lowerName, entry] : key.values) {
            auto& [name, value] = entry;
            text += name.empty() ? std::string("@") : Quote(name);
            text += "=" + ValueText(value) + "\n";
        }
    }
    return text;
}

// --- Reading -------------------------------------------------------------

static int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

static std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// Reads a quoted text at the start of `text`; on success `text` is left after
// the closing quote.
static std::optional<std::string> ReadQuoted(std::string_view& text)
{
    if (text.empty() || text.front() != '"')
        return std::nullopt;
    std::string result;
    for (size_t i = 1; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\\') {
            if (i + 1 >= text.size())
                return std::nullopt;
            result += text[++i];
        } else if (c == '"') {
            text.remove_prefix(i + 1);
            return result;
        } else {
            result += c;
        }
    }
    return std::nullopt;
}

static std::optional<std::vector<uint8_t>> ReadHexList(std::string_view text)
{
    std::vector<uint8_t> bytes;
    text = Trim(text);
    if (text.empty())
        return bytes;
    size_t i = 0;
    for (;;) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        int high = i < text.size() ? HexDigit(text[i]) : -1;
        int low = i + 1 < text.size() ? HexDigit(text[i + 1]) : -1;
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.push_back(static_cast<uint8_t>(high * 16 + low));
        i += 2;
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        if (i == text.size())
            return bytes;
        if (text[i] != ',')
            return std::nullopt;
        ++i;
    }
}

static std::optional<RegistryValue> ReadValueData(std::string_view text)
{
    text = Trim(text);
    if (!text.empty() && text.front() == '"') {
        auto quoted = ReadQuoted(text);
        if (!quoted || !Trim(text).empty())
            return std::nullopt;
        // Malformed UTF-8 would come back from the next save as U+FFFD:
        // the line cannot be read as it stands.
        std::u16string units = Utf8ToUtf16(*quoted);
        if (Utf16ToUtf8(units) != *quoted)
            return std::nullopt;
        RegistryValue value { RegistryType::String, {} };
        for (char16_t unit : units) {
            value.data.push_back(static_cast<uint8_t>(unit & 0xFF));
            value.data.push_back(static_cast<uint8_t>(unit >> 8));
        }
        value.data.push_back(0);
        value.data.push_back(0);
        return value;
    }
    if (text.starts_with("dword:")) {
        text.remove_prefix(6);
        if (text.empty() || text.size() > 8)
            return std::nullopt;
        uint32_t number = 0;
        for (char c : text) {
            int digit = HexDigit(c);
            if (digit < 0)
                return std::nullopt;
            number = number * 16 + static_cast<uint32_t>(digit);
        }
        return RegistryValue { RegistryType::DWord, { uint8_t(number), uint8_t(number >> 8), uint8_t(number >> 16), uint8_t(number >> 24) } };
    }
    uint32_t type = RegistryType::Binary;
    if (text.starts_with("hex(")) {
        auto close = text.find("):");
        if (close == std::string_view::npos || close == 4 || close > 12)
            return std::nullopt;
        type = 0;
        for (char c : text.substr(4, close - 4)) {
            int digit = HexDigit(c);
            if (digit < 0)
                return std::nullopt;
            type = type * 16 + static_cast<uint32_t>(digit);
        }
        text.remove_prefix(close + 2);
    } else if (text.starts_with("hex:")) {
        text.remove_prefix(4);
    } else {
        return std::nullopt;
    }
    auto bytes = ReadHexList(text);
    if (!bytes)
        return std::nullopt;
    return RegistryValue { type, std::move(*bytes) };
}

// Splits the file into logical lines, joining hex lists continued with "\".
static std::vector<std::string> LogicalLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    std::string line;
    std::string pending;
    bool continuing = false;
    while (std::getline(stream, line)) {
        std::string_view trimmed = Trim(line);
        if (continuing)
            pending += trimmed;
        else
            pending = std::string(trimmed);
        continuing = !pending.empty() && pending.back() == '\\' && pending.find("=hex") != std::string::npos;
        if (continuing) {
            pending.pop_back();
            continue;
        }
        lines.push_back(std::move(pending));
        pending.clear();
    }
    if (continuing)
        lines.push_back(std::move(pending));
    return lines;
}

// The file's text as UTF-8. `malformed` is set when the text cannot be
// converted without loss (a lone surrogate or an odd byte at the end of a
// UTF-16 file): what the next save writes would differ from the file, so
// the file counts as damaged and is kept aside first.
static std::string DecodeFileText(const std::string& bytes, bool& malformed)
{
    malformed = false;
    // regedit itself writes UTF-16LE with a byte-order mark.
    if (bytes.size() >= 2 && uint8_t(bytes[0]) == 0xFF && uint8_t(bytes[1]) == 0xFE) {
        std::u16string units;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2)
            units += static_cast<char16_t>(uint8_t(bytes[i]) | (uint8_t(bytes[i + 1]) << 8));
        std::string text = Utf16ToUtf8(units);
        malformed = bytes.size() % 2 != 0 || Utf8ToUtf16(text) != units;
        return text;
    }
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        return bytes.substr(3);
    return bytes;
}

void RegistryHive::Parse(const std::string& fileBytes)
{
    m_keys.clear();
    bool malformed = false;
    auto lines = LogicalLines(DecodeFileText(fileBytes, malformed));
    m_damaged = malformed;
    size_t index = 0;
    while (index < lines.size() && lines[index].empty())
        ++index;
    if (index == lines.size() || (lines[index] != kHeader && lines[index] != "REGEDIT4")) {
        m_damaged = true;
        return;
    }
    Key* current = nullptr;
    for (++index; index < lines.size(); ++index) {
        std::string_view line = lines[index];
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            current = nullptr;
            if (line.back() != ']') {
                m_damaged = true;
                continue;
            }
            std::string_view path = line.substr(1, line.size() - 2);
            std::string root = Lower(kRootName);
            if (Lower(path.substr(0, root.size())) != root || (path.size() > root.size() && path[root.size()] != '\\')) {
                m_damaged = true;
                continue;
            }
            std::string keyPath = NormalizeKeyPath(path.substr(root.size()));
            if (keyPath.empty())
                continue;
            auto& key = m_keys[Lower(keyPath)];
            if (key.path.empty())
                key.path = keyPath;
            current = &key;
            continue;
        }
        std::string name;
        if (line.front() == '@') {
            line.remove_prefix(1);
        } else {
            auto quoted = ReadQuoted(line);
            if (!quoted) {
                m_damaged = true;
                continue;
            }
            name = *quoted;
        }
        line = Trim(line);
        if (line.empty() || line.front() != '=') {
            m_damaged = true;
            continue;
        }
        auto value = ReadValueData(line.substr(1));
        if (!value || !current) {
            m_damaged = true;
            continue;
        }
        current->values[Lower(name)] = { name, std::move(*value) };
    }
}

// --- File -----------------------------------------------------------------

RegistryHive::RegistryHive(std::string filePath)
    : m_filePath(std::move(filePath))
{
    Load();
}

RegistryHive& RegistryHive::CurrentUser()
{
    static std::unique_ptr<RegistryHive> hive;
    const std::string& path = DeviceFolders::Current().RegistryFile();
    if (!hive || hive->FilePath() != path)
        hive = std::make_unique<RegistryHive>(path);
    return *hive;
}

RegistryHive::FileIdentity RegistryHive::IdentityOf(const std::string& path)
{
    struct stat st { };
    if (::stat(path.c_str(), &st) != 0)
        return {};
    return { static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino), static_cast<uint64_t>(st.st_size),
        static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec, true };
}

void RegistryHive::Load()
{
    m_loaded = true;
    m_damagedCopy.clear();
    m_loadedIdentity = IdentityOf(m_filePath);
    if (!m_loadedIdentity.exists) {
        m_keys.clear();
        m_damaged = false;
        return;
    }
    auto bytes = ReadWholeFile(m_filePath);
    if (bytes.IsError()) {
        // Unreadable: every value is missing, and the file must not be
        // replaced without keeping it.
        m_keys.clear();
        m_damaged = true;
        return;
    }
    Parse(*bytes);
}

void RegistryHive::ReloadIfChanged()
{
    if (!m_loaded || IdentityOf(m_filePath) != m_loadedIdentity)
        Load();
}

ErrorCode RegistryHive::Save()
{
    if (m_damaged && m_damagedCopy.empty() && PathExists(m_filePath)) {
        auto kept = PreserveDamagedFile(m_filePath);
        if (kept.IsError())
            return kept.GetError();
        m_damagedCopy = *kept;
    }
    if (auto error = CreateFolderWithParents(ParentPath(m_filePath)))
        return error;
    std::string text = Serialize();
    if (auto error = WriteFileAtomically(m_filePath, text.data(), text.size()))
        return error;
    m_loadedIdentity = IdentityOf(m_filePath);
    return Error::Success;
}

RegistryHive::Key* RegistryHive::FindKey(const std::string& keyPath)
{
    auto it = m_keys.find(Lower(NormalizeKeyPath(keyPath)));
    return it == m_keys.end() ? nullptr : &it->second;
}

bool RegistryHive::KeyExists(const std::string& keyPath)
{
    ReloadIfChanged();
    return FindKey(keyPath) != nullptr;
}

ErrorCode RegistryHive::CreateKey(const std::string& keyPath)
{
    ReloadIfChanged();
    std::string path = NormalizeKeyPath(keyPath);
    if (path.empty())
        return Error::InvalidParameter;
    bool added = false;
    size_t end = 0;
    while (end != std::string::npos) {
        end = path.find('\\', end + 1);
        std::string prefix = path.substr(0, end);
        auto& key = m_keys[Lower(prefix)];
        if (key.path.empty()) {
            key.path = prefix;
            added = true;
        }
    }
    if (!added)
        return Error::Success;
    ErrorCode error = Save();
    if (error)
        m_loaded = false;
    m_lastWriteError = error;
    return error;
}

std::optional<RegistryValue> RegistryHive::QueryValue(const std::string& keyPath, const std::string& name)
{
    ReloadIfChanged();
    Key* key = FindKey(keyPath);
    if (!key)
        return std::nullopt;
    auto it = key->values.find(Lower(name));
    if (it == key->values.end())
        return std::nullopt;
    return it->second.second;
}

ErrorCode RegistryHive::SetValue(const std::string& keyPath, const std::string& name, RegistryValue value)
{
    ReloadIfChanged();
    Key* key = FindKey(keyPath);
    if (!key)
        return m_lastWriteError = Error::FileNotFound;
    auto& slot = key->values[Lower(name)];
    if (slot.first.empty())
        slot.first = name;
    slot.second = std::move(value);
    ErrorCode error = Save();
    if (error)
        m_loaded = false; // the next access reads what the file really holds
    m_lastWriteError = error;
    return error;
}
