#pragma once

#include <string>
#include <string_view>

// Path texts are native ("/" separated) and held as UTF-8.

std::string JoinPath(std::string_view folder, std::string_view name);
// The folder part of a path ("" when it has none; "/" for a file in the root).
std::string ParentPath(std::string_view path);
// The last component of a path.
std::string FileNameOf(std::string_view path);
// The extension without its dot, "" when there is none.
std::string ExtensionOf(std::string_view path);
std::string FileNameWithoutExtension(std::string_view path);
// A relative path made absolute against the current folder.
std::string AbsolutePath(const std::string& path);

// ASCII case-insensitive comparisons, as used for URL names, file
// extensions and folder prefixes.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);
int CompareIgnoringCase(std::string_view a, std::string_view b);
