#pragma once

#include "app/Preferences.h"
#include "platform/ErrorCode.h"

#include <string>
#include <string_view>

// The preferences of the table (AllPreferences()) read and written as text,
// for tools that list and set them generically (the command-line program):
// numbers in decimal, texts as they are, the font as "Face name,height,weight".

// The value name in UTF-8, and the kind as "dword", "string" or "font".
std::string PreferenceName(const Preference& preference);
std::string_view PreferenceKindName(const Preference& preference);

// The preference of that name (without regard to case); none when there is
// no such preference.
const Preference* FindPreference(std::string_view name);

// The text a preference has now: its stored value, else its default (empty
// for the font, which has none).
std::string PreferenceText(const Preference& preference, bool* isDefault = nullptr);

// Writes a preference from its text: Error::InvalidParameter for a text
// that is no value of its kind, else what the registry answered (why the
// write failed, when it did).
ErrorCode WritePreferenceText(const Preference& preference, std::string_view text);
