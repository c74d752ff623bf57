// Feeds arbitrary bytes, as a response text, to everything that reads what a
// server sends: the status and body of an HTTP response, and the forward
// scan of a changes response with the buffer sizes the service uses. Both a
// temporary-file stream (its 4096-byte buffer and block boundaries) and a
// memory stream are scanned.

#include "transport/HttpResponse.h"
#include "transport/ReadOnlyMemoryStream.h"
#include "transport/StreamFactories.h"
#include "transport/TimeText.h"
#include "transport/XmlEntities.h"
#include "transport/XmlReader.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

void ReadValue(Stream& stream, const char* tag, std::uint32_t size)
{
    std::vector<char> value(size);
    if (FindText(stream, tag))
        ReadElementValue(stream, value.data(), size, '>', '<');
}

void ReadFlag(Stream& stream)
{
    char flag[2];
    if (FindText(stream, "D="))
        ReadElementValue(stream, flag, sizeof flag, '"', '"');
}

void ReadNumberAfter(Stream& stream, const char* tag)
{
    if (FindText(stream, tag))
        ReadNumber(stream);
}

// The scan of a changes response, section by section.
void ScanChanges(Stream& body)
{
    char time[32];
    if (FindElement(body, "TS")) {
        ReadElementValue(body, time, sizeof time, '>', '<');
        ParseTime(time);
    }
    while (FindElement(body, "BL", "BS")) {
        ReadValue(body, "<BT", 128);
        ReadValue(body, "<VI", 32);
        ReadNumberAfter(body, "<BO>");
    }
    while (FindElement(body, "CA", "CS")) {
        ReadFlag(body);
        ReadNumberAfter(body, "<CI>");
        ReadValue(body, "<NM", 128);
    }
    while (FindElement(body, "PI", "PS")) {
        ReadFlag(body);
        ReadNumberAfter(body, "<ID>");
        ReadValue(body, "<TI", 128);
        ReadValue(body, "<CP", 8000);
        if (FindText(body, "<PD")) {
            ReadElementValue(body, time, sizeof time, '>', '<');
            ParseTime(time);
        }
    }
    char token[64];
    ReadToken(body, token, sizeof token, false);
    ReadToken(body, token, 5, true);
    ReadListItem(body, token, 3);
}

void ScanResponse(std::unique_ptr<Stream> text)
{
    HttpResponse response;
    response.stream = std::move(text);
    // Only crashes and hangs count here; every status is a fine outcome.
    (void)GetStatus(response);
    if (Stream* body = GetBody(response))
        ScanChanges(*body);
    (void)GetStatus(response);
    if (Stream* body = GetBody(response))
        FindElement(*body, "OM", "OS");
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > UINT32_MAX)
        return 0;
    auto file = CreateTempStream();
    if (file && file->Write(data, static_cast<std::uint32_t>(size)))
        ScanResponse(std::move(file));
    ScanResponse(std::make_unique<ReadOnlyMemoryStream>(std::span(data, size)));

    std::string text(reinterpret_cast<const char*>(data), size);
    text.push_back('\0');
    UnescapeEntities(text.data(), static_cast<std::uint32_t>(text.size()));
    UnescapeEntities(text.data(), static_cast<std::uint32_t>(std::strlen(text.c_str())));
    return 0;
}
