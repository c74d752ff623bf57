#include "platform/VCard.h"

#include "platform/CodePage.h"

#include <algorithm>
#include <optional>

// Content lines (RFC 6350 section 3.3): [group "."] name *(";" param) ":"
// value, folded by a line break followed by a blank or a tab (section 3.2).
// vCard 2.1 also breaks quoted-printable values softly with "=" at the end
// of a line, without folding the next one. Names and parameters ignore
// case.

namespace {

struct ContentLine {
    std::string name;
    std::vector<std::string> parameters; // "TYPE=HOME", "QUOTED-PRINTABLE", ...
    std::string value;
};

char Upper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string UpperCase(std::string_view text)
{
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), Upper);
    return upper;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && UpperCase(text.substr(0, prefix.size())) == prefix;
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The physical lines of the text, whatever ends them (CR LF, LF or CR).
std::vector<std::string_view> PhysicalLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\r' && text[at] != '\n')
            continue;
        lines.push_back(text.substr(start, at - start));
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
            ++at;
        start = at + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

bool IsQuotedPrintableLine(std::string_view line)
{
    size_t colon = line.find(':');
    std::string head = UpperCase(line.substr(0, colon == std::string_view::npos ? line.size() : colon));
    return head.find("QUOTED-PRINTABLE") != std::string::npos;
}

// The logical lines: folded lines joined, and quoted-printable values
// joined across their soft line breaks.
std::vector<std::string> UnfoldedLines(std::string_view text)
{
    std::vector<std::string> lines;
    bool softBreak = false;
    for (std::string_view line : PhysicalLines(text)) {
        bool folded = !line.empty() && (line.front() == ' ' || line.front() == '\t');
        if (!lines.empty() && (folded || softBreak)) {
            if (softBreak)
                lines.back().pop_back(); // the "=" of the soft break
            lines.back().append(folded && !softBreak ? line.substr(1) : line);
        } else {
            lines.emplace_back(line);
        }
        const std::string& joined = lines.back();
        softBreak = !joined.empty() && joined.back() == '=' && IsQuotedPrintableLine(joined);
    }
    return lines;
}

// Splits at `separator` outside double quotes.
std::vector<std::string_view> SplitOutsideQuotes(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    bool quoted = false;
    size_t start = 0;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '"')
            quoted = !quoted;
        else if (text[at] == separator && !quoted) {
            parts.push_back(text.substr(start, at - start));
            start = at + 1;
        }
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::optional<ContentLine> ReadContentLine(std::string_view line)
{
    // The value starts at the first colon outside a quoted parameter value.
    bool quoted = false;
    size_t colon = std::string_view::npos;
    for (size_t at = 0; at < line.size() && colon == std::string_view::npos; ++at) {
        if (line[at] == '"')
            quoted = !quoted;
        else if (line[at] == ':' && !quoted)
            colon = at;
    }
    if (colon == std::string_view::npos)
        return std::nullopt;
    std::vector<std::string_view> head = SplitOutsideQuotes(line.substr(0, colon), ';');
    ContentLine content;
    std::string_view name = Trimmed(head.front());
    if (size_t dot = name.rfind('.'); dot != std::string_view::npos)
        name.remove_prefix(dot + 1); // the property's group
    content.name = UpperCase(name);
    for (size_t i = 1; i < head.size(); ++i)
        content.parameters.push_back(std::string(Trimmed(head[i])));
    content.value = std::string(line.substr(colon + 1));
    return content;
}

// The values a parameter gives, as "TYPE=work,pref" or "TYPE=PREF" or, in
// vCard 2.1, a bare "PREF" (whose name is its value).
bool HasParameterValue(const ContentLine& line, std::string_view name, std::string_view value)
{
    for (const std::string& parameter : line.parameters) {
        std::string upper = UpperCase(parameter);
        size_t equals = upper.find('=');
        if (equals == std::string::npos) {
            if (upper == value)
                return true;
            continue;
        }
        if (std::string_view(upper).substr(0, equals) != name)
            continue;
        std::string values = upper.substr(equals + 1);
        std::erase(values, '"');
        for (std::string_view one : SplitOutsideQuotes(values, ','))
            if (Trimmed(one) == value)
                return true;
    }
    return false;
}

std::string ParameterValue(const ContentLine& line, std::string_view name)
{
    for (const std::string& parameter : line.parameters) {
        size_t equals = parameter.find('=');
        if (equals != std::string::npos && UpperCase(std::string_view(parameter).substr(0, equals)) == name) {
            std::string value = parameter.substr(equals + 1);
            std::erase(value, '"');
            return UpperCase(Trimmed(value));
        }
    }
    return {};
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = Upper(c);
    return (c >= 'A' && c <= 'F') ? c - 'A' + 10 : -1;
}

// RFC 2045 section 6.7; an "=" not followed by two hex digits stays as it
// is, as readers of hand-edited cards expect.
std::string DecodeQuotedPrintable(std::string_view text)
{
    std::string decoded;
    decoded.reserve(text.size());
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '=' && at + 2 < text.size()) {
            int high = HexDigit(text[at + 1]);
            int low = HexDigit(text[at + 2]);
            if (high >= 0 && low >= 0) {
                decoded.push_back(static_cast<char>(high * 16 + low));
                at += 2;
                continue;
            }
        }
        decoded.push_back(text[at]);
    }
    return decoded;
}

std::string Latin1ToUtf8(std::string_view text)
{
    std::u16string wide;
    wide.reserve(text.size());
    for (char c : text)
        wide.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
    return Utf16ToUtf8(wide);
}

// The value's text in UTF-8: decoded from quoted-printable, converted from
// a Latin-1 character set, and made valid UTF-8 otherwise.
std::string ValueText(const ContentLine& line)
{
    std::string value = line.value;
    if (ParameterValue(line, "ENCODING") == "QUOTED-PRINTABLE" || HasParameterValue(line, "", "QUOTED-PRINTABLE"))
        value = DecodeQuotedPrintable(value);
    std::string charset = ParameterValue(line, "CHARSET");
    if (charset == "ISO-8859-1" || charset == "LATIN1" || charset == "WINDOWS-1252" || charset == "CP1252")
        return Latin1ToUtf8(value);
    return Utf16ToUtf8(Utf8ToUtf16(value));
}

// Removes the backslash escapes of vCard 3.0 and 4.0 text ("\n", "\,",
// "\;", "\\").
std::string Unescaped(std::string_view text)
{
    std::string plain;
    plain.reserve(text.size());
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\\' && at + 1 < text.size()) {
            char next = text[++at];
            plain.push_back(next == 'n' || next == 'N' ? ' ' : next);
            continue;
        }
        plain.push_back(text[at]);
    }
    return plain;
}

// The parts of a structured value, split at unescaped semicolons.
std::vector<std::string> StructuredParts(std::string_view text)
{
    std::vector<std::string> parts(1);
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\\' && at + 1 < text.size()) {
            parts.back().append(text.substr(at, 2));
            ++at;
        } else if (text[at] == ';') {
            parts.emplace_back();
        } else {
            parts.back().push_back(text[at]);
        }
    }
    for (std::string& part : parts)
        part = std::string(Trimmed(Unescaped(part)));
    return parts;
}

// N: family; given; additional; prefixes; suffixes. Shown as "Given Family".
std::string StructuredName(std::string_view value)
{
    std::vector<std::string> parts = StructuredParts(value);
    std::string name = parts.size() > 1 ? parts[1] : std::string();
    if (!parts[0].empty())
        name += (name.empty() ? "" : " ") + parts[0];
    return name;
}

bool HasControlCharacter(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

// An address as the recipients field can take it: without a "mailto:" and
// without blanks around it; none when it is empty or holds a line break or
// a comma, which would split it in the field.
std::optional<std::string> EmailAddress(std::string_view value)
{
    std::string_view address = Trimmed(value);
    if (StartsWithIgnoringCase(address, "MAILTO:"))
        address = Trimmed(address.substr(7));
    if (address.empty() || HasControlCharacter(address) || address.find(',') != std::string_view::npos)
        return std::nullopt;
    return std::string(address);
}

struct CardInProgress {
    VCardContact contact;
    std::string formattedName;
    std::string structuredName;
    std::string organisation;
    size_t preferredCount { 0 };

    void Take(const ContentLine& line)
    {
        if (line.name == "FN") {
            formattedName = std::string(Trimmed(Unescaped(ValueText(line))));
        } else if (line.name == "N") {
            structuredName = StructuredName(ValueText(line));
        } else if (line.name == "ORG") {
            organisation = StructuredParts(ValueText(line)).front();
        } else if (line.name == "EMAIL") {
            auto address = EmailAddress(Unescaped(ValueText(line)));
            if (!address)
                return;
            // vCard 4.0 ranks with PREF=1 (1 is most preferred); earlier
            // versions mark the preferred one with PREF.
            bool preferred = HasParameterValue(line, "TYPE", "PREF") || ParameterValue(line, "PREF") == "1";
            auto place = contact.emails.begin() + static_cast<std::ptrdiff_t>(preferred ? preferredCount : contact.emails.size());
            contact.emails.insert(place, std::move(*address));
            preferredCount += preferred ? 1 : 0;
        }
    }

    VCardContact Finish()
    {
        for (std::string* name : { &formattedName, &structuredName, &organisation }) {
            if (!name->empty()) {
                contact.name = std::move(*name);
                break;
            }
        }
        return std::move(contact);
    }
};

}

std::vector<VCardContact> ParseVCards(std::string_view text)
{
    std::vector<VCardContact> contacts;
    std::optional<CardInProgress> card;
    int depth = 0;
    for (const std::string& line : UnfoldedLines(text)) {
        auto content = ReadContentLine(line);
        if (!content)
            continue;
        std::string value = UpperCase(Trimmed(content->value));
        if (content->name == "BEGIN" && value == "VCARD") {
            if (depth++ == 0)
                card.emplace();
        } else if (content->name == "END" && value == "VCARD") {
            if (depth > 0 && --depth == 0 && card) {
                contacts.push_back(card->Finish());
                card.reset();
            }
        } else if (card && depth == 1) {
            card->Take(*content);
        }
    }
    // A card cut short by the end of the file still counts.
    if (card)
        contacts.push_back(card->Finish());
    return contacts;
}
