#include "transport/CurlTransfer.h"

#include "transport/CurlErrors.h"
#include "transport/RequestText.h"
#include "transport/StreamFactories.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

namespace {

constexpr auto kIdlePollInterval = std::chrono::milliseconds(100);
constexpr int kWaitMilliseconds = 100;
constexpr long kReceiveBufferSize = 64 * 1024;

std::vector<std::string> SplitLines(std::string_view block)
{
    std::vector<std::string> lines;
    while (!block.empty()) {
        std::size_t end = block.find("\r\n");
        std::string_view line = block.substr(0, end);
        if (!line.empty())
            lines.emplace_back(line);
        if (end == std::string_view::npos)
            break;
        block.remove_prefix(end + 2);
    }
    return lines;
}

// libcurl drops a header given as "Name:" with nothing after the colon; the
// form "Name;" sends it with an empty value.
std::string CurlHeaderForm(std::string line)
{
    std::size_t colon = line.find(':');
    if (colon == std::string::npos || line.find_first_not_of(" \t", colon + 1) != std::string::npos)
        return line;
    line.resize(colon);
    line.push_back(';');
    return line;
}

bool HasHeader(const std::vector<std::string>& lines, std::string_view name)
{
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.size() > name.size() && (line[name.size()] == ':' || line[name.size()] == ';')
            && ::strncasecmp(line.c_str(), name.data(), name.size()) == 0;
    });
}

std::string MakeUrl(const HttpRequest& request)
{
    std::string host = request.host;
    if (host.find(':') != std::string::npos && !host.starts_with('['))
        host = "[" + host + "]";
    std::string path = request.path.empty() ? "/" : request.path;
    return std::string(request.secure ? "https://" : "http://") + host + ":" + std::to_string(request.port) + path;
}

}

CurlTransfer::CurlTransfer(CURLM* multi, CURL* easy, HttpRequest& request, const TransferSettings& settings, TransferCounters& counters)
    : m_multi(multi)
    , m_easy(easy)
    , m_request(request)
    , m_settings(settings)
    , m_counters(counters)
{
}

ErrorCode CurlTransfer::Run(std::unique_ptr<Stream>& responseText)
{
    if (ErrorCode code = ReadRequestText())
        return code;
    m_response = CreateTempStream();
    if (!m_response)
        return Error::NotEnoughMemory;
    if (ErrorCode code = Configure())
        return code;
    if (ErrorCode code = Perform())
        return code;
    responseText = std::move(m_response);
    return Error::Success;
}

bool CurlTransfer::Poll()
{
    m_lastPoll = std::chrono::steady_clock::now();
    return m_request.PollProgress();
}

ErrorCode CurlTransfer::ReadRequestText()
{
    if (!Poll())
        return Error::Cancelled;
    m_requestText = MakeRequestText(m_request);
    if (!m_requestText)
        return Error::NotEnoughMemory;

    // The request line is not sent as such: libcurl makes its own from the
    // method, path and version.
    Stream& text = *m_requestText;
    std::uint8_t byte = 0;
    std::uint8_t previous = 0;
    do {
        previous = byte;
        if (!text.ReadByte(byte))
            return Error::NetworkInternal;
    } while (previous != '\r' || byte != '\n');

    // The header lines: everything up to the blank line.
    std::string block;
    for (;;) {
        if (!text.ReadByte(byte))
            return Error::NetworkInternal;
        block.push_back(static_cast<char>(byte));
        if (!Poll())
            return Error::Cancelled;
        if (block == "\r\n" || block.ends_with("\r\n\r\n"))
            break;
    }
    m_headerLines = SplitLines(block);

    if (!Poll())
        return Error::Cancelled;
    m_bodyRemaining = text.GetLength() - text.GetPosition();
    return Error::Success;
}

ErrorCode CurlTransfer::Configure()
{
    ::curl_easy_reset(m_easy);

    std::vector<std::string> lines = m_headerLines;
    // Only the request's own header lines go out: no automatic
    // "Expect: 100-continue" (which would stall on servers that ignore it)
    // and no default "Accept".
    if (!HasHeader(lines, "Expect"))
        lines.emplace_back("Expect:");
    if (!HasHeader(lines, "Accept"))
        lines.emplace_back("Accept:");
    for (auto& line : lines) {
        std::string form = line.starts_with("Expect:") || line.starts_with("Accept:") ? line : CurlHeaderForm(line);
        curl_slist* extended = ::curl_slist_append(m_headerList.get(), form.c_str());
        if (!extended)
            return Error::NotEnoughMemory;
        m_headerList.release();
        m_headerList.reset(extended);
    }

    m_url = MakeUrl(m_request);
    CURLcode result = CURLE_OK;
    auto set = [&](CURLoption option, auto value) {
        if (result == CURLE_OK)
            result = ::curl_easy_setopt(m_easy, option, value);
    };
    set(CURLOPT_URL, m_url.c_str());
    set(CURLOPT_NOSIGNAL, 1L);
    set(CURLOPT_HTTP_VERSION, m_request.httpVersion == "1.0" ? long { CURL_HTTP_VERSION_1_0 } : long { CURL_HTTP_VERSION_1_1 });
    set(CURLOPT_HTTPHEADER, m_headerList.get());
    set(CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(m_settings.connectTimeout.count()));
    set(CURLOPT_LOW_SPEED_LIMIT, 1L);
    set(CURLOPT_LOW_SPEED_TIME, static_cast<long>(m_settings.stallTimeout.count()));
    set(CURLOPT_HEADERFUNCTION, &CurlTransfer::WriteHeader);
    set(CURLOPT_HEADERDATA, static_cast<void*>(this));
    set(CURLOPT_WRITEFUNCTION, &CurlTransfer::WriteBody);
    set(CURLOPT_WRITEDATA, static_cast<void*>(this));
    // Larger than libcurl's default, as the curl command's: fewer rounds
    // for a photo coming down; WriteBody still stores it piece by piece.
    set(CURLOPT_BUFFERSIZE, kReceiveBufferSize);

    if (m_request.method == "GET" && m_bodyRemaining == 0) {
        set(CURLOPT_HTTPGET, 1L);
    } else if (m_request.method == "HEAD" && m_bodyRemaining == 0) {
        set(CURLOPT_NOBODY, 1L);
    } else {
        set(CURLOPT_POST, 1L);
        set(CURLOPT_READFUNCTION, &CurlTransfer::ReadBody);
        set(CURLOPT_READDATA, static_cast<void*>(this));
        set(CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(m_bodyRemaining));
        if (m_request.method != "POST")
            set(CURLOPT_CUSTOMREQUEST, m_request.method.c_str());
    }
    // libcurl checks the certificate and its name by default; the request
    // adds what it trusts beyond the system's store.
    if (result == CURLE_OK && m_request.secure && m_trusted)
        result = m_trusted->ApplyTo(m_easy);
    if (result == CURLE_OUT_OF_MEMORY)
        return Error::NotEnoughMemory;
    return result == CURLE_OK ? Error::Success : Error::NetworkInternal;
}

ErrorCode CurlTransfer::Perform()
{
    if (::curl_multi_add_handle(m_multi, m_easy) != CURLM_OK)
        return Error::NetworkInternal;

    CURLcode result = CURLE_OK;
    bool done = false;
    ErrorCode failure = Error::Success;
    while (!done && m_failure == Error::Success) {
        int running = 0;
        if (::curl_multi_perform(m_multi, &running) != CURLM_OK) {
            failure = Error::NetworkInternal;
            break;
        }
        int left = 0;
        while (CURLMsg* message = ::curl_multi_info_read(m_multi, &left)) {
            if (message->msg == CURLMSG_DONE && message->easy_handle == m_easy) {
                result = message->data.result;
                done = true;
            }
        }
        if (done || m_failure != Error::Success)
            break;
        // Nothing moved for a while: the user may still cancel.
        if (std::chrono::steady_clock::now() - m_lastPoll >= kIdlePollInterval && !Poll()) {
            m_failure = Error::Cancelled;
            break;
        }
        if (::curl_multi_poll(m_multi, nullptr, 0, kWaitMilliseconds, nullptr) != CURLM_OK) {
            failure = Error::NetworkInternal;
            break;
        }
    }
    // An unfinished transfer leaves its connection closed, not cached.
    ::curl_multi_remove_handle(m_multi, m_easy);

    if (m_failure != Error::Success)
        return m_failure;
    if (failure != Error::Success)
        return failure;
    if (result != CURLE_OK)
        return ErrorCodeFromCurl(result);
    // The last look before the end of the body counts too.
    if (!Poll())
        return Error::Cancelled;
    return Error::Success;
}

// libcurl asks for as much as its upload buffer holds (tens of kilobytes);
// it gets as many whole pieces as fit, with a poll after each, so that the
// socket sees large writes while a piece stays the unit of progress and of
// cancel. A cancel aborts at once: nothing of that buffer goes out.
std::size_t CurlTransfer::ReadBody(char* buffer, std::size_t size, std::size_t count, void* self)
{
    auto& transfer = *static_cast<CurlTransfer*>(self);
    if (transfer.m_failure != Error::Success)
        return CURL_READFUNC_ABORT;
    std::size_t room = size * count;
    std::size_t filled = 0;
    while (transfer.m_bodyRemaining > 0) {
        std::uint32_t piece = std::min(kPieceSize, transfer.m_bodyRemaining);
        // Only a buffer smaller than one piece (libcurl's never is) gets a
        // part of one.
        if (piece > room - filled) {
            if (filled > 0 || room == 0)
                break;
            piece = static_cast<std::uint32_t>(room);
        }
        if (!transfer.CopyBody(buffer + filled, piece)) {
            transfer.m_failure = Error::ReadFault;
            return CURL_READFUNC_ABORT;
        }
        filled += piece;
        transfer.m_bodyRemaining -= piece;
        transfer.m_counters.bodyBytesSent += piece;
        if (!transfer.Poll()) {
            transfer.m_failure = Error::Cancelled;
            return CURL_READFUNC_ABORT;
        }
    }
    if (filled > 0)
        ++transfer.m_counters.bodyHandOvers;
    return filled;
}

bool CurlTransfer::CopyBody(char* destination, std::uint32_t length)
{
    while (length > 0) {
        if (m_chunkLength == 0 && (!m_requestText->ReadChunk(m_chunk, m_chunkLength) || m_chunkLength == 0))
            return false;
        std::uint32_t part = std::min(length, m_chunkLength);
        std::memcpy(destination, m_chunk, part);
        destination += part;
        length -= part;
        m_chunk += part;
        m_chunkLength -= part;
    }
    return true;
}

std::size_t CurlTransfer::WriteHeader(char* data, std::size_t size, std::size_t count, void* self)
{
    auto& transfer = *static_cast<CurlTransfer*>(self);
    std::size_t length = size * count;
    transfer.m_counters.responseBytesReceived += length;
    if (!transfer.m_response->Write(data, static_cast<std::uint32_t>(length))) {
        transfer.m_failure = Error::OutOfMemory;
        return 0;
    }
    return length;
}

std::size_t CurlTransfer::WriteBody(char* data, std::size_t size, std::size_t count, void* self)
{
    auto& transfer = *static_cast<CurlTransfer*>(self);
    std::size_t length = size * count;
    for (std::size_t offset = 0; offset < length;) {
        if (!transfer.Poll()) {
            transfer.m_failure = Error::Cancelled;
            return 0;
        }
        auto piece = static_cast<std::uint32_t>(std::min<std::size_t>(kPieceSize, length - offset));
        if (!transfer.m_response->Write(data + offset, piece)) {
            transfer.m_failure = Error::OutOfMemory;
            return 0;
        }
        offset += piece;
        transfer.m_counters.responseBytesReceived += piece;
    }
    return length;
}
