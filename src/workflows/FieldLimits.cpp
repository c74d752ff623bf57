#include "workflows/FieldLimits.h"

#include "app/StringFormat.h"
#include "platform/UserInteraction.h"

#include <algorithm>

bool FitsFieldLimit(std::u16string_view text, size_t limit)
{
    if (text.size() <= limit)
        return true;
    UserInteraction::Current().ShowMessage(FormatText(kFieldTooLongMessage, { static_cast<unsigned long long>(limit) }), MessageIcon::Warning);
    return false;
}

static bool IsLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

LimitedText LimitTypedText(std::u16string_view before, std::u16string_view after, size_t limit)
{
    if (after.size() <= limit || after.size() <= before.size())
        return { std::u16string(after), after.size(), false };

    // The edit replaced before[prefix, before.size() - suffix) by
    // after[prefix, after.size() - suffix).
    size_t prefix = 0;
    size_t shorter = std::min(before.size(), after.size());
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    size_t suffix = 0;
    while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    size_t removed = before.size() - prefix - suffix;
    std::u16string_view inserted = after.substr(prefix, after.size() - prefix - suffix);

    size_t kept = before.size() - removed;
    size_t room = kept < limit ? limit - kept : 0;
    size_t take = std::min(room, inserted.size());
    // Never split a character made of two units.
    if (take > 0 && take < inserted.size() && IsLowSurrogate(inserted[take]))
        --take;

    LimitedText result;
    result.text.reserve(kept + take);
    result.text.append(before.substr(0, prefix));
    result.text.append(inserted.substr(0, take));
    result.text.append(before.substr(before.size() - suffix));
    result.cursor = prefix + take;
    result.cut = true;
    return result;
}

static bool IsBlank(char16_t unit)
{
    return unit == u' ' || unit == u'\t';
}

std::optional<std::uint32_t> ReadNumberField(std::u16string_view text, std::uint32_t maximum)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    bool isNumber = !text.empty() && std::all_of(text.begin(), text.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
    if (!isNumber) {
        UserInteraction::Current().ShowMessage(kNotAnIntegerMessage, MessageIcon::Warning);
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (char16_t digit : text) {
        value = value * 10 + static_cast<std::uint64_t>(digit - u'0');
        if (value > maximum) {
            UserInteraction::Current().ShowMessage(FormatText(kIntegerRangeMessage, { 0, static_cast<unsigned long long>(maximum) }), MessageIcon::Warning);
            return std::nullopt;
        }
    }
    return static_cast<std::uint32_t>(value);
}
