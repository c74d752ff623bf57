#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// Every preference by its registry name, for tools that list and set them
// generically (the command-line program). Values travel as text: numbers in
// decimal, texts as they are, the font as "Face name,height,weight".
struct PreferenceDescriptor {
    std::string_view name;
    std::string_view kind;                // "dword", "string" or "font"
    std::string_view defaultText;         // empty for the font, which has no default
    std::optional<std::string> (*read)(); // none when the value is missing
    bool (*write)(std::string_view text); // false for an unusable text or a failed write
};

std::span<const PreferenceDescriptor> AllPreferences();
const PreferenceDescriptor* FindPreference(std::string_view name);

// The text a preference has now: its stored value, else its default.
std::string PreferenceText(const PreferenceDescriptor& preference, bool* isDefault = nullptr);
