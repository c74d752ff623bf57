#include "transport/CurlHttp.h"

#include "app/Preferences.h"
#include "app/ProgramVersion.h"
#include "platform/CodePage.h"
#include "transport/StreamFactories.h"
#include "transport/StreamUtilities.h"

#include <new>
#include <string>

CurlHttp::~CurlHttp()
{
    Close(1);
}

bool CurlHttp::Open(int)
{
    if (IsOpen())
        return true;
    m_lastError = Error::Success;
    if (!InitializeCurlOnce()) {
        m_lastError = Error::NetworkInternal;
        return false;
    }
    CurlMultiHandle multi(::curl_multi_init());
    CurlEasyHandle easy(::curl_easy_init());
    if (!multi || !easy) {
        m_lastError = Error::NotEnoughMemory;
        return false;
    }
    if (::curl_multi_setopt(multi.get(), CURLMOPT_MAXCONNECTS, kMaxCachedConnections) != CURLM_OK) {
        m_lastError = Error::NetworkInternal;
        return false;
    }
    m_multi = std::move(multi);
    m_easy = std::move(easy);
    return true;
}

void CurlHttp::Close(int)
{
    // The easy handle goes first: the multi handle's cleanup closes the
    // cached connections.
    m_easy.reset();
    m_multi.reset();
}

ErrorCode CurlHttp::LoadServiceTrust(std::optional<TrustedCertificates>& trusted)
{
    std::string path = Utf16ToUtf8(ReadServiceCaFile());
    if (path.empty())
        return Error::Success;
    ErrorOr<TrustedCertificates> loaded = TrustedCertificates::Load(path);
    if (loaded.IsError())
        return loaded.GetError();
    trusted = loaded.ReleaseValue();
    return Error::Success;
}

std::unique_ptr<HttpResponse> CurlHttp::Send(HttpRequest& request)
{
    m_lastError = Error::Success;
    m_counters = {};
    std::unique_ptr<HttpResponse> response(new (std::nothrow) HttpResponse);
    if (!response) {
        m_lastError = Error::NotEnoughMemory;
        return nullptr;
    }
    if (!IsOpen()) {
        response->code = m_lastError = Error::NetworkNotConnected;
        return response;
    }
    // Every HTTPS request trusts the same: the photos come from the
    // service as much as its answers do.
    std::optional<TrustedCertificates> trusted;
    if (request.secure) {
        if (ErrorCode code = LoadServiceTrust(trusted)) {
            response->code = m_lastError = code;
            return response;
        }
    }
    CurlTransfer transfer(m_multi.get(), m_easy.get(), request, m_settings, m_counters);
    transfer.TrustAlso(trusted ? &*trusted : nullptr);
    response->code = transfer.Run(response->stream);
    m_lastError = response->code;
    return response;
}

std::unique_ptr<Stream> CurlHttp::MakeUserAgentHeader()
{
    constexpr std::size_t kMaxPart = 30;
    std::string line = "User-Agent: WinCE-PocketPC ";
    line += ProgramFileName().substr(0, kMaxPart);
    line += ' ';
    line += ProgramVersionText().substr(0, kMaxPart);
    auto stream = CreateMemoryStream();
    if (!stream || !WriteText(*stream, line))
        return nullptr;
    return stream;
}
