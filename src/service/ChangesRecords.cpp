#include "service/ChangesRecords.h"

#include "transport/Http.h"

namespace {

constexpr std::uint32_t kTitleSize = 128;
constexpr std::uint32_t kFlagSize = 32;
constexpr std::uint32_t kCategoryUrlSize = 200;
constexpr std::uint32_t kLongTextSize = 8000;
constexpr std::uint32_t kNameSize = 64;
constexpr std::uint32_t kAddressSize = 128;
constexpr std::uint32_t kTimeSize = 32;

}

ProgramTime ReadTimeField(ResponseFieldReader& reader, Http& http, std::string_view tag)
{
    std::string text = reader.Text(tag, kTimeSize);
    return text.empty() ? 0 : http.ParseTime(text);
}

void ReadBlogRecord(ResponseFieldReader& reader, BlogRecord& record)
{
    reader.Text("<BT", kTitleSize, record.title);
    reader.Text("<ST", kTitleSize, record.subtitle);
    reader.Text("<TP", kFlagSize, record.type);
    reader.Text("<VI", kFlagSize, record.visibility);
    reader.Text("<WA", kFlagSize, record.writeAccess);
    reader.Text("<CM", kFlagSize, record.commentAccess);
    record.ownerId = reader.Number("<BO>");
}

void ReadCategoryRecord(ResponseFieldReader& reader, CategoryRecord& record)
{
    record.deleted = reader.DeletedMark();
    record.id = reader.Number("<CI>");
    reader.Text("<NM", kTitleSize, record.name);
    reader.Text("<UR", kCategoryUrlSize, record.url);
}

void ReadEntryRecord(ResponseFieldReader& reader, Http& http, bool groupBlog, EntryRecord& record)
{
    record.deleted = reader.DeletedMark();
    record.categoryId = reader.Number("<CI>");
    record.posterId = groupBlog ? reader.Number("<UI>") : 0;
    record.id = reader.Number("<ID>");
    reader.Text("<TI", kTitleSize, record.title);
    reader.Text("<CP", kLongTextSize, record.caption);
    if (groupBlog)
        reader.Text("<BY", kNameSize, record.posterName);
    else
        record.posterName.clear();
    reader.Text("<OU", kAddressSize, record.sourceUrl);
    reader.Text("<PU", kAddressSize, record.photoUrl);
    reader.Text("<TU", kAddressSize, record.thumbnailUrl);
    record.postDate = ReadTimeField(reader, http, "<PD");
    record.takenDate = ReadTimeField(reader, http, "<TD");
}

void ReadCommentRecord(ResponseFieldReader& reader, Http& http, CommentRecord& record)
{
    record.deleted = reader.DeletedMark();
    record.id = reader.Number("<OI>");
    record.entryId = reader.Number("<ID>");
    record.authorId = reader.Number("<UI>");
    reader.Text("<BY", kNameSize, record.author);
    record.date = ReadTimeField(reader, http, "<OD");
    reader.Text("<OT", kLongTextSize, record.text);
}
