#include "workflows/ServiceAccountOperations.h"

#include "app/Messages.h"
#include "service/ProgressWindowCallback.h"
#include "service/QuillberryBlogService.h"
#include "transport/Http.h"

namespace {

constexpr StringId kNoInternetConnection = 8500;
// The program's buffers for the suggested Blog URLs.
constexpr std::uint32_t kAlternateSize = 256;

}

template<typename Operation>
ErrorCode ServiceAccountOperations::InFrame(ProgressWindow& progress, Operation operation)
{
    if (!m_http.Open(1)) {
        ShowStringMessage(kNoInternetConnection, MessageIcon::Warning);
        return Error::AlreadyReported;
    }
    QuillberryBlogService service(m_http);
    ProgressWindowCallback callback(&progress);
    ErrorCode result = operation(service, callback);
    m_http.Close(1);
    return result;
}

ErrorCode ServiceAccountOperations::CreateAccount(std::string_view email, std::string_view password, std::string_view firstName,
    std::string_view lastName, ProgressWindow& progress)
{
    return InFrame(progress, [&](QuillberryBlogService& service, ProgressWindowCallback& callback) {
        return service.CreateAccount(email, password, firstName, lastName, callback.Callback(), callback.Context());
    });
}

ErrorCode ServiceAccountOperations::CreateBlog(std::string_view email, std::string_view password, std::string_view blogUrlName,
    std::string_view title, std::string_view subtitle, BlogUrlAlternates& alternates, ProgressWindow& progress)
{
    return InFrame(progress, [&](QuillberryBlogService& service, ProgressWindowCallback& callback) {
        return service.CreateBlog(email, password, blogUrlName, title, subtitle, true, alternates, kAlternateSize, callback.Callback(),
            callback.Context());
    });
}

ErrorCode ServiceAccountOperations::GetChannels(CWinBlogChannels& channels, ProgressWindow& progress)
{
    return InFrame(progress, [&](QuillberryBlogService& service, ProgressWindowCallback& callback) {
        return service.GetChannelList(channels, callback.Callback(), callback.Context());
    });
}
