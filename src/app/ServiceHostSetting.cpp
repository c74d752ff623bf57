#include "app/ServiceHostSetting.h"

#include "app/Preferences.h"
#include "platform/CodePage.h"

#include <strings.h>

namespace {

bool TakePrefix(std::string_view& text, std::string_view prefix)
{
    if (text.size() < prefix.size() || ::strncasecmp(text.data(), prefix.data(), prefix.size()) != 0)
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

}

std::string ServiceHostSetting::Origin() const
{
    std::string origin(Scheme());
    origin += "://";
    origin += host;
    return origin;
}

ServiceHostSetting SplitServiceHostSetting(std::string_view text)
{
    ServiceHostSetting setting;
    if (TakePrefix(text, "https://")) {
        setting.secure = true;
    } else if (!TakePrefix(text, "http://")) {
        setting.host = text;
        return setting;
    }
    // "https://host:8443/" is how addresses are often copied.
    while (text.ends_with('/'))
        text.remove_suffix(1);
    setting.host = text;
    return setting;
}

ServiceHostSetting ReadServiceHostSetting()
{
    return SplitServiceHostSetting(Utf16ToUtf8(ReadServiceHost()));
}
