#pragma once

#include "app/LogicalFont.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The program's preferences, kept in the registry under this key of the
// current user. Every reader goes to the registry each time and answers the
// default when the value or the key is missing; every writer writes at once
// (and reports whether it could, which callers may ignore).
inline constexpr std::u16string_view kPreferencesKey = u"Software\\Quillberry\\Vellumbrix\\Preferences";

// One preference as the registry keeps it: its value name, its type and its
// default. The table of them (AllPreferences()) is the one place where
// names and defaults are written down; the accessors below and the tools
// that list and set preferences generically both read it.
struct Preference {
    enum class Kind {
        DWord,  // REG_DWORD
        String, // REG_SZ
        Font,   // REG_BINARY, one logical-font record; no default
    };
    std::u16string_view name;
    Kind kind;
    std::uint32_t defaultNumber;     // DWord
    std::u16string_view defaultText; // String
};

std::span<const Preference> AllPreferences();

// Non-zero: after a photo is taken, the entry edit step is offered.
std::uint32_t ReadShowEditDialog();
bool WriteShowEditDialog(std::uint32_t value);

// Non-zero: the camera stays open for the next photo.
std::uint32_t ReadStayInCamera();
bool WriteStayInCamera(std::uint32_t value);

// The main view's font; none when the value is missing or is not exactly
// one logical-font record.
std::optional<LogicalFont> ReadMainViewFont();
bool WriteMainViewFont(const LogicalFont& font);

// URL name of the blog that the main view shows; empty on the home list.
std::u16string ReadCurrentlyViewedBlog();
bool WriteCurrentlyViewedBlog(std::u16string_view urlName);

// Size choice of the photo download dialog.
std::uint32_t ReadDownloadPhotoSize();
bool WriteDownloadPhotoSize(std::uint32_t value);

// The remote blog last used for a remote post.
std::u16string ReadLastRemoteBlog();
bool WriteLastRemoteBlog(std::u16string_view name);

// Program time of the last message check; 0 after the check was reset.
std::uint32_t ReadLastMessageCheck();
bool WriteLastMessageCheck(std::uint32_t value);

// The version the user chose to ignore in the new-version notice.
std::u16string ReadLastIgnoredVersion();
bool WriteLastIgnoredVersion(std::u16string_view version);

// Number of the last server note shown.
std::uint32_t ReadLastMessageNumber();
bool WriteLastMessageNumber(std::uint32_t value);

// The web service's host, "host" or "host:port" (port 80 when none), or
// "https://host[:port]" for a service that speaks HTTPS (port 443 when
// none); see ServiceHostSetting.h.
std::u16string ReadServiceHost();
bool WriteServiceHost(std::u16string_view host);

// A file of PEM certificates trusted for the service's HTTPS besides the
// system's own; empty for the system's alone.
std::u16string ReadServiceCaFile();
bool WriteServiceCaFile(std::u16string_view path);
