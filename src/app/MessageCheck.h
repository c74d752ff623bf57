#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Bookkeeping of the daily check of the service's message file: when it
// was last read, which version the user chose to ignore and which note was
// shown last. It lives entirely in preference values.

// The five-character key under which version texts compare: "1.0" becomes
// "1.0f9", "2.1b3" stays; a release (f) sorts after a beta (b) and an alpha.
std::string MakeVersionKey(std::string_view versionText);

// The version to ask the server about: the program's own when its key sorts
// after the ignored version's, else the ignored one.
std::string VersionToAskAbout(std::string_view ownVersion, std::string_view ignoredVersion);

// Whether the check is due (always when forced; otherwise when more than a
// day has passed since the last one). When it is, gives the number of the
// last note shown and the version text to ask about: the newer of the
// program's own and the ignored one.
bool ShouldCheckMessages(bool force, std::uint32_t& noteNumber, std::string& versionText);

// Records that a check was made (flag != 0), or that the next start must
// check again (flag == 0).
void SetLastMessageCheck(int flag);

// Shows the new-version notice. Remembers an ignored version; on Download
// opens the service's download page and asks the program to quit, and then
// returns true.
bool ShowNewVersion(std::string_view version);

// Shows a note of the service and remembers its number. Always false, so a
// note never stops the check.
bool ShowNote(std::uint32_t noteNumber, std::string_view noteText, std::string_view secondText);
