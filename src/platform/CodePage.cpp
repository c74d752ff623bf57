#include "platform/CodePage.h"

static constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point starting at text[i]; advances i past it.
static char32_t DecodeUtf8(std::string_view text, size_t& i)
{
    auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char lead = byte(i);
    if (lead < 0x80) {
        ++i;
        return lead;
    }
    int length = 0;
    char32_t codePoint = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
        minimum = 0x10000;
    } else {
        ++i;
        return kReplacement;
    }
    size_t k = 1;
    for (; k < static_cast<size_t>(length); ++k) {
        if (i + k >= text.size() || (byte(i + k) & 0xC0) != 0x80)
            break;
        codePoint = (codePoint << 6) | (byte(i + k) & 0x3F);
    }
    if (k < static_cast<size_t>(length)) {
        i += k;
        return kReplacement;
    }
    i += k;
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return kReplacement;
    return codePoint;
}

std::u16string Utf8ToUtf16(std::string_view text)
{
    std::u16string result;
    result.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        char32_t codePoint = DecodeUtf8(text, i);
        if (codePoint >= 0x10000) {
            codePoint -= 0x10000;
            result += static_cast<char16_t>(0xD800 + (codePoint >> 10));
            result += static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF));
        } else {
            result += static_cast<char16_t>(codePoint);
        }
    }
    return result;
}

static void AppendUtf8(std::string& out, char32_t codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

std::string Utf16ToUtf8(std::u16string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            char32_t low = text[++i];
            AppendUtf8(result, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            AppendUtf8(result, kReplacement);
        } else {
            AppendUtf8(result, unit);
        }
    }
    return result;
}
