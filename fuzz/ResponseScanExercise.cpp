#include "ResponseScanExercise.h"

#include "transport/HttpResponse.h"
#include "transport/ReadOnlyMemoryStream.h"
#include "transport/StreamFactories.h"
#include "transport/TimeText.h"
#include "transport/XmlEntities.h"
#include "transport/XmlReader.h"

#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

// What one scan read: counts, and a digest (FNV-1a) of every value.
struct ScanRecord {
    int blogs { 0 }, categories { 0 }, entries { 0 };
    std::uint32_t digest { 2166136261u };

    void Add(std::string_view value)
    {
        for (unsigned char c : value)
            digest = (digest ^ c) * 16777619u;
        digest = (digest ^ 0xFF) * 16777619u;
    }
    void Add(std::uint32_t number) { Add(std::to_string(number)); }
};

void ReadValue(Stream& stream, const char* tag, std::uint32_t size, ScanRecord& record)
{
    std::vector<char> value(size);
    if (FindText(stream, tag) && ReadElementValue(stream, value.data(), size, '>', '<'))
        record.Add(std::string_view(value.data()));
}

void ReadFlag(Stream& stream, ScanRecord& record)
{
    char flag[2] {};
    if (FindText(stream, "D=") && ReadElementValue(stream, flag, sizeof flag, '"', '"'))
        record.Add(std::string_view(flag));
}

void ReadNumberAfter(Stream& stream, const char* tag, ScanRecord& record)
{
    if (FindText(stream, tag))
        record.Add(ReadNumber(stream));
}

void ReadTime(Stream& stream, ScanRecord& record)
{
    char time[32] {};
    if (ReadElementValue(stream, time, sizeof time, '>', '<'))
        record.Add(ParseTime(time));
}

// The scan of a changes response, section by section.
void ScanChanges(Stream& body, ScanRecord& record)
{
    if (FindElement(body, "TS"))
        ReadTime(body, record);
    while (FindElement(body, "BL", "BS")) {
        ++record.blogs;
        ReadValue(body, "<BT", 128, record);
        ReadValue(body, "<VI", 32, record);
        ReadNumberAfter(body, "<BO>", record);
    }
    while (FindElement(body, "CA", "CS")) {
        ++record.categories;
        ReadFlag(body, record);
        ReadNumberAfter(body, "<CI>", record);
        ReadValue(body, "<NM", 128, record);
    }
    while (FindElement(body, "PI", "PS")) {
        ++record.entries;
        ReadFlag(body, record);
        ReadNumberAfter(body, "<ID>", record);
        ReadValue(body, "<TI", 128, record);
        ReadValue(body, "<CP", 8000, record);
        if (FindText(body, "<PD"))
            ReadTime(body, record);
    }
    char token[64] {};
    if (ReadToken(body, token, sizeof token, false))
        record.Add(std::string_view(token));
    if (ReadToken(body, token, 5, true))
        record.Add(std::string_view(token));
    if (ReadListItem(body, token, 3))
        record.Add(std::string_view(token));
}

std::string ScanResponse(std::unique_ptr<Stream> text)
{
    HttpResponse response;
    response.stream = std::move(text);
    ErrorCode status = GetStatus(response);
    ScanRecord record;
    Stream* body = GetBody(response);
    if (body)
        ScanChanges(*body, record);
    // Asked again after a scan, as the service asks for the fault text.
    ErrorCode again = GetStatus(response);
    bool fault = false;
    if (Stream* rescanned = GetBody(response))
        fault = FindElement(*rescanned, "OM", "OS");
    char digest[9];
    std::snprintf(digest, sizeof digest, "%08x", record.digest);
    return "status " + std::to_string(status) + (again != status ? " then " + std::to_string(again) : std::string()) + (body ? ", body" : ", no body")
        + ", " + std::to_string(record.blogs) + " blogs, " + std::to_string(record.categories) + " categories, " + std::to_string(record.entries)
        + " entries" + (fault ? ", message" : "") + ", values " + digest;
}

}

std::string ScanResponseBytes(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() > UINT32_MAX)
        return "too long";
    std::string fromMemory = ScanResponse(std::make_unique<ReadOnlyMemoryStream>(bytes));
    std::string fromFile = "no temporary stream";
    auto file = CreateTempStream();
    if (file && file->Write(bytes.data(), static_cast<std::uint32_t>(bytes.size())))
        fromFile = ScanResponse(std::move(file));

    std::string text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    text.push_back('\0');
    UnescapeEntities(text.data(), static_cast<std::uint32_t>(text.size()));
    UnescapeEntities(text.data(), static_cast<std::uint32_t>(std::strlen(text.c_str())));

    if (fromFile != fromMemory)
        return fromMemory + " (a file stream: " + fromFile + ")";
    return fromMemory;
}
