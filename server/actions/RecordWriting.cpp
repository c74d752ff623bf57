#include "server/actions/RecordWriting.h"

#include "server/soap/ServiceRequest.h"
#include "server/soap/WireText.h"
#include "server/soap/WireTime.h"

void WriteBlogSettings(ResponseWriter& writer, const BlogRecord& blog, const BlogAccess& access)
{
    writer.Open("BL")
        .Text("BT", blog.title)
        .Text("ST", blog.subtitle)
        .Text("TP", blog.group ? "group" : "normal")
        .Text("VI", blog.hidden ? "hidden" : "normal")
        .Text("WA", access.mayPost ? "yes" : "no")
        .Text("CM", access.mayComment ? "yes" : "no")
        .Number("BO", blog.ownerId)
        .Close("BL");
}

void WriteCategory(ResponseWriter& writer, const CategoryRecord& category, const std::string& site, const BlogRecord& blog)
{
    writer.OpenRecord("CA", category.deleted)
        .Number("CI", category.id)
        .Text("NM", category.name)
        .Text("UR", CategoryPageUrl(site, blog, category.id))
        .Close("CA");
}

void WriteEntry(ResponseWriter& writer, const EntryRecord& entry, const std::string& site, const BlogRecord& blog)
{
    writer.OpenRecord("PI", entry.deleted)
        .Number("CI", entry.categoryId)
        .Number("UI", entry.posterId)
        .Number("ID", entry.id)
        .Text("TI", entry.title)
        .Text("CP", entry.caption)
        .Text("BY", WireAuthorName(entry.posterName))
        .Text("OU", PhotoUrl(site, blog, entry, PhotoVariant::FullSize))
        .Text("PU", PhotoUrl(site, blog, entry, PhotoVariant::Picture))
        .Text("TU", PhotoUrl(site, blog, entry, PhotoVariant::Thumbnail))
        .Text("PD", FormatWireTime(entry.posted))
        .Text("TD", FormatWireTime(entry.taken))
        .Close("PI");
}

void WriteComment(ResponseWriter& writer, const CommentRecord& comment)
{
    writer.OpenRecord("OM", comment.deleted)
        .Number("OI", comment.id)
        .Number("ID", comment.entryId)
        .Number("UI", comment.authorId)
        .Text("BY", WireAuthorName(comment.authorName))
        .Text("OD", FormatWireTime(comment.written))
        .Text("OT", comment.text)
        .Close("OM");
}

std::string PhotoUrl(const std::string& site, const BlogRecord& blog, const EntryRecord& entry, PhotoVariant variant)
{
    if (entry.deleted)
        return {};
    return site + PhotoStore::AddressPath(blog.name, entry.id, entry.photoKey, variant);
}

std::string CategoryPageUrl(const std::string& site, const BlogRecord& blog, std::uint32_t categoryId)
{
    return site + "/" + blog.name + "/?albumid=" + std::to_string(categoryId);
}

std::string WireAuthorName(const std::string& name)
{
    return FitEscaped(name, WireLimits::AuthorName);
}
