#pragma once

#include <string>

// One recommended blog of the service's channel list: the line as the
// browse dialog shows it, and the URL name of the blog it names.
class CWinBlogChannel {
public:
    CWinBlogChannel(std::u16string displayLine, std::u16string urlName)
        : m_displayLine(std::move(displayLine))
        , m_urlName(std::move(urlName))
    {
    }

    const std::u16string& GetDisplayLine() const { return m_displayLine; }
    const std::u16string& GetUrlName() const { return m_urlName; }

private:
    std::u16string m_displayLine;
    std::u16string m_urlName;
};
