#pragma once

#include "server/actions/BlogAccess.h"
#include "server/photos/PhotoStore.h"
#include "server/soap/ResponseWriter.h"
#include "server/storage/Records.h"

#include <string>

// The records of the changes feed, each with every field in the order
// devices read them (they scan forward for each tag, so a missing or
// misplaced field would make them read the next record's).

void WriteBlogSettings(ResponseWriter& writer, const BlogRecord& blog, const BlogAccess& access);
void WriteCategory(ResponseWriter& writer, const CategoryRecord& category, const std::string& site, const BlogRecord& blog);
void WriteEntry(ResponseWriter& writer, const EntryRecord& entry, const std::string& site, const BlogRecord& blog);
void WriteComment(ResponseWriter& writer, const CommentRecord& comment);

// The full address of one of an entry's pictures ("" for a deleted entry).
std::string PhotoUrl(const std::string& site, const BlogRecord& blog, const EntryRecord& entry, PhotoVariant variant);
// The page of one category of a blog (0: all categories).
std::string CategoryPageUrl(const std::string& site, const BlogRecord& blog, std::uint32_t categoryId);
// Author names as devices keep them.
std::string WireAuthorName(const std::string& name);
