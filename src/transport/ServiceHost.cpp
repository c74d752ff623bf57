#include "transport/ServiceHost.h"

#include "app/ServiceHostSetting.h"

std::string ServiceHostText()
{
    return ReadServiceHostSetting().host;
}

WebAddress ServiceAddress(std::string_view path)
{
    ServiceHostSetting setting = ReadServiceHostSetting();
    WebAddress address;
    address.secure = setting.secure;
    address.host = std::move(setting.host);
    address.path = path;
    return address;
}

HostAndPort ServiceHostAndPort()
{
    return ServiceAddress("/").Endpoint();
}
