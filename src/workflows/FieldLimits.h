#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Field limits of the dialogs. A field's length is counted as the user's
// text is held on the screen, in UTF-16 units, the way the platform's edit
// controls count characters. The controls stop typing at the limit, but a
// field can still hold more (a title that came from the service is longer
// than the dialog allows): reading it back then shows the framework's
// message and keeps the dialog open, never cuts the text short unasked.

// The framework's own messages for fields read back from a dialog.
inline constexpr std::string_view kFieldTooLongMessage = "Please enter no more than %1 characters.";
inline constexpr std::string_view kNotAnIntegerMessage = "Please enter an integer.";
inline constexpr std::string_view kIntegerRangeMessage = "Please enter an integer between %1 and %2.";

// True when the text fits; otherwise shows kFieldTooLongMessage as a
// warning and answers false.
bool FitsFieldLimit(std::u16string_view text, size_t limit);

// What an edit control holds after the user typed, pasted or deleted:
// an edit that would take the text past the limit keeps only as much of
// what was inserted as fits (nothing when the text was already at or past
// it), as the platform's edit controls do; deleting is always allowed.
struct LimitedText {
    std::u16string text;
    size_t cursor { 0 }; // where the caret goes: after what was inserted
    bool cut { false };  // the edit did not fit whole
};
LimitedText LimitTypedText(std::u16string_view before, std::u16string_view after, size_t limit);

// Reads a number field (blanks around the digits allowed). A text that is
// not a whole number shows kNotAnIntegerMessage, one above `maximum`
// kIntegerRangeMessage, both as warnings, and gives none.
std::optional<std::uint32_t> ReadNumberField(std::u16string_view text, std::uint32_t maximum);
