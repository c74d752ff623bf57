#include "transport/HttpResponse.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

namespace {

constexpr std::uint32_t kNoStatus = 0;
// Status lines are short; longer ones are read to their end but cut.
constexpr std::size_t kMaxKeptLine = 256;

// Reads one line up to and including LF, keeping at most kMaxKeptLine bytes
// without the line end. False when the stream ends before the LF.
bool ReadLine(Stream& stream, std::string& line)
{
    line.clear();
    std::uint8_t byte = 0;
    while (stream.ReadByte(byte)) {
        if (byte == '\n') {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return true;
        }
        if (line.size() < kMaxKeptLine)
            line.push_back(static_cast<char>(byte));
    }
    return false;
}

std::string_view NextWord(std::string_view& text)
{
    std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return text = {};
    text.remove_prefix(start);
    std::size_t end = std::min(text.find_first_of(" \t"), text.size());
    std::string_view word = text.substr(0, end);
    text.remove_prefix(end);
    return word;
}

// The status number of a status line such as "HTTP/1.1 200 OK".
std::uint32_t ParseStatusLine(std::string_view line)
{
    std::string_view protocol = NextWord(line);
    std::string_view status = NextWord(line);
    if (protocol.empty() || status.empty())
        return kNoStatus;
    unsigned value = 0;
    auto [end, error] = std::from_chars(status.data(), status.data() + status.size(), value);
    if (error != std::errc() || end != status.data() + status.size() || value < 100 || value > 999)
        return kNoStatus;
    return value;
}

// Reads the status line, skipping blank lines before it.
std::uint32_t ReadStatusLine(Stream& stream)
{
    std::string line;
    bool complete = false;
    do {
        complete = ReadLine(stream, line);
    } while (complete && line.find_first_not_of(" \t") == std::string::npos);
    return ParseStatusLine(line);
}

// Skips header lines up to and including the empty line that ends them.
bool SkipHeaderLines(Stream& stream)
{
    std::string line;
    while (ReadLine(stream, line)) {
        if (line.empty())
            return true;
    }
    return false;
}

// Reads status lines, skipping every informational response (1xx) with its
// headers; the stream then stands after the final status line.
std::uint32_t ReadFinalStatus(Stream& stream)
{
    std::uint32_t status = ReadStatusLine(stream);
    while (status >= 100 && status <= 199) {
        if (!SkipHeaderLines(stream))
            return kNoStatus;
        status = ReadStatusLine(stream);
    }
    return status;
}

}

ErrorCode GetStatus(HttpResponse& response)
{
    if (response.code != 0)
        return response.code;
    if (!response.stream)
        return Error::NoResponse;
    response.stream->Seek(0);
    std::uint32_t status = ReadFinalStatus(*response.stream);
    if (status == kNoStatus)
        return Error::NoResponse;
    if (status >= 200 && status <= 299)
        return Error::Success;
    return status;
}

Stream* GetBody(HttpResponse& response)
{
    if (!response.stream)
        return nullptr;
    Stream& stream = *response.stream;
    if (response.bodyOffset == 0) {
        stream.Seek(0);
        if (ReadFinalStatus(stream) == kNoStatus || !SkipHeaderLines(stream))
            return nullptr;
        response.bodyOffset = stream.GetPosition();
    }
    stream.Seek(response.bodyOffset);
    return &stream;
}
