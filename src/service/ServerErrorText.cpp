#include "service/ServerErrorText.h"

#include "service/RequestWriter.h"
#include "service/ResponseFields.h"
#include "transport/XmlReader.h"

std::optional<std::string> ReadServerErrorText(Stream& body)
{
    if (!FindText(body, "<MS"))
        return std::nullopt;
    std::string text;
    ResponseFieldReader(body).Value(RequestWriter::kServerErrorTextSize, text);
    return text;
}

BlogUrlAlternates ReadBlogUrlAlternates(Stream& body, std::uint32_t size)
{
    BlogUrlAlternates alternates;
    if (!FindText(body, "<Alternates"))
        return alternates;
    ResponseFieldReader reply(body);
    for (std::string& alternate : alternates) {
        if (!FindElement(body, "Alternate", "Alternates"))
            break;
        reply.Value(size, alternate);
    }
    return alternates;
}
