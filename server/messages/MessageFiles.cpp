#include "server/messages/MessageFiles.h"

#include "server/actions/Names.h"
#include "server/soap/WireText.h"
#include "server/storage/Blogs.h"
#include "server/storage/ServiceMeta.h"

#include "platform/File.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"

#ifndef VBX_VERSION_TEXT
#    define VBX_VERSION_TEXT "1.0"
#endif

namespace {

constexpr size_t MaximumMessageFile = 64 * 1024;
// Devices read at most 30 720 bytes of the channel text, escaped.
constexpr size_t MaximumChannelText = 28000;

const char* MessageFileName = "Vellumbrix.txt";
const char* ChannelListName = "VellumbrixChannels.list";
const char* MessageFileMeta = "message_file";
const char* ChannelListMeta = "channel_list";

std::string Lines(const std::string& text)
{
    std::string lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (line.find_first_not_of(" \t") != std::string::npos)
            lines += line + "\r\n";
        start = end + 1;
    }
    return lines;
}

std::string WrapChannels(const std::string& lines)
{
    // Line ends stay as they are, so the file reads well; every other text
    // is escaped like any value.
    std::string text = "<CHANNELS>\r\n";
    size_t start = 0;
    while (start < lines.size()) {
        size_t end = lines.find("\r\n", start);
        text += EscapeWireText(lines.substr(start, end - start)) + "\r\n";
        start = end + 2;
    }
    return text + "</CHANNELS>\r\n";
}

}

MessageFiles::MessageFiles(SqlDatabase& database, const std::string& dataFolder)
    : m_database(database)
    , m_legacyFolder(JoinPath(dataFolder, "messages"))
{
}

ErrorOr<std::string> MessageFiles::OperatorText(const char* metaName, const char* legacyFile) const
{
    auto transaction = m_database.Begin(TransactionKind::Read);
    if (transaction.IsError())
        return transaction.GetError();
    auto text = ReadMeta(**transaction, metaName);
    if (text.IsError() || !text->empty())
        return text;
    std::string path = JoinPath(m_legacyFolder, legacyFile);
    if (IsRegularFile(path))
        return ReadWholeFile(path);
    return std::string();
}

ErrorOr<std::string> MessageFiles::MessageFile() const
{
    auto text = OperatorText(MessageFileMeta, MessageFileName);
    if (text.IsError() || !text->empty())
        return text;
    return std::string("<VELLUMBRIX>\r\n<VERSION>" VBX_VERSION_TEXT "</VERSION>\r\n</VELLUMBRIX>\r\n");
}

ErrorOr<std::string> MessageFiles::ChannelsFile() const
{
    auto operatorLines = OperatorText(ChannelListMeta, ChannelListName);
    if (operatorLines.IsError())
        return operatorLines;
    if (!operatorLines->empty())
        return WrapChannels(*operatorLines);
    auto transaction = m_database.Begin(TransactionKind::Read);
    if (transaction.IsError())
        return transaction.GetError();
    auto blogs = ListPublicBlogs(**transaction);
    if (blogs.IsError())
        return blogs.GetError();
    std::string lines;
    for (const BlogRecord& blog : *blogs) {
        std::string line = blog.name;
        if (!blog.title.empty())
            line += "  " + blog.title;
        // A title's own line breaks would split its channel in two.
        for (char& c : line) {
            if (c == '\r' || c == '\n' || c == '\t')
                c = ' ';
        }
        line += "\r\n";
        if (lines.size() + EscapeWireText(line).size() > MaximumChannelText)
            break;
        lines += line;
    }
    return WrapChannels(lines);
}

std::string MessageFiles::MessageFileProblem(const std::string& contents)
{
    if (contents.size() > MaximumMessageFile)
        return "the message file is larger than 64 KiB";
    if (!IsValidUtf8(contents))
        return "the message file is not UTF-8 text";
    if (contents.find("<VERS") == std::string::npos)
        return "the message file has no version element (<VERSION>...</VERSION>)";
    return {};
}

std::string MessageFiles::ChannelsProblem(const std::string& text)
{
    if (!IsValidUtf8(text))
        return "the channel list is not UTF-8 text";
    std::string lines = Lines(text);
    if (EscapeWireText(lines).size() > MaximumChannelText)
        return "the channel list is longer than 28000 bytes";
    size_t start = 0;
    while (start < lines.size()) {
        size_t end = lines.find("\r\n", start);
        std::string line = lines.substr(start, end - start);
        size_t first = line.find_first_not_of(" \t");
        std::string name = line.substr(first, line.find(' ', first) - first);
        if (!IsValidBlogName(name))
            return "\"" + name + "\" is not a blog URL name (each line must begin with one)";
        start = end + 2;
    }
    return {};
}

ErrorCode MessageFiles::SetMessageFile(SqlTransaction& db, const std::string& contents)
{
    if (!MessageFileProblem(contents).empty())
        return Error::InvalidData;
    return WriteMeta(db, MessageFileMeta, contents);
}

ErrorCode MessageFiles::SetChannels(SqlTransaction& db, const std::string& text)
{
    if (!ChannelsProblem(text).empty())
        return Error::InvalidData;
    return WriteMeta(db, ChannelListMeta, Lines(text));
}
