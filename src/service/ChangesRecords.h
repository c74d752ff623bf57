#pragma once

#include "platform/Clock.h"
#include "service/ResponseFields.h"

#include <cstdint>
#include <string>

class Http;

// The records of a changes response ("GC"), each read field by field in
// the order the service writes them, with the buffer size of each field.

// "BL": the blog's settings.
struct BlogRecord {
    std::string title;           // "<BT", 128
    std::string subtitle;        // "<ST", 128
    std::string type;            // "<TP", 32: "normal", else a group blog
    std::string visibility;      // "<VI", 32: "normal", else hidden
    std::string writeAccess;     // "<WA", 32: "yes" when the user may post
    std::string commentAccess;   // "<CM", 32: "yes" when the user may comment
    std::uint32_t ownerId { 0 }; // "<BO>"
};

// "CA": a category.
struct CategoryRecord {
    bool deleted { false }; // D="t..."
    std::uint32_t id { 0 }; // "<CI>"
    std::string name;       // "<NM", 128
    std::string url;        // "<UR", 200
};

// "PI": an entry. The poster's id and name are read for group blogs only.
struct EntryRecord {
    bool deleted { false };
    std::uint32_t categoryId { 0 }; // "<CI>"
    std::uint32_t posterId { 0 };   // "<UI>"
    std::uint32_t id { 0 };         // "<ID>"
    std::string title;              // "<TI", 128
    std::string caption;            // "<CP", 8000
    std::string posterName;         // "<BY", 64
    std::string sourceUrl;          // "<OU", 128: the full-size photo
    std::string photoUrl;           // "<PU", 128
    std::string thumbnailUrl;       // "<TU", 128
    ProgramTime postDate { 0 };     // "<PD", 32
    ProgramTime takenDate { 0 };    // "<TD", 32
};

// "OM": a comment.
struct CommentRecord {
    bool deleted { false };
    std::uint32_t id { 0 };       // "<OI>"
    std::uint32_t entryId { 0 };  // "<ID>"
    std::uint32_t authorId { 0 }; // "<UI>"
    std::string author;           // "<BY", 64
    ProgramTime date { 0 };       // "<OD", 32
    std::string text;             // "<OT", 8000
};

// Each reader starts where the record's start tag was found and fills the
// record it is given (reusing its buffers). Times are read with the HTTP
// client's ParseTime.
void ReadBlogRecord(ResponseFieldReader& reader, BlogRecord& record);
void ReadCategoryRecord(ResponseFieldReader& reader, CategoryRecord& record);
void ReadEntryRecord(ResponseFieldReader& reader, Http& http, bool groupBlog, EntryRecord& record);
void ReadCommentRecord(ResponseFieldReader& reader, Http& http, CommentRecord& record);

// A time field (a buffer of 32 bytes) as program time; 0 when missing.
ProgramTime ReadTimeField(ResponseFieldReader& reader, Http& http, std::string_view tag);
