#pragma once

#include "support/ByteBuilder.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Store and user files written by hand after the file format tables, with
// every field set to a value of its own, for the tests of the model and of
// the command-line program.
namespace Sample {

struct Entry {
    std::uint32_t serverId { 0 };
    std::uint32_t categoryId { 0 };
    std::uint32_t posterId { 0 };
    std::string title, caption, author, thumbnailUrl, photoUrl, sourceUrl;
    std::uint32_t postDate { 0 };
    std::uint32_t takenDate { 0 };
    std::uint32_t fileSize { 0 };
    std::uint16_t width { 0 };
    std::uint16_t height { 0 };
    std::uint8_t photoState { 0 };
    std::uint8_t secondState { 0 };
    std::uint8_t statusBits { 0 };
    std::string photoPath;
    bool pending { true };
    bool unconfirmed { false };
    std::string thumbnail;
};

struct Album {
    std::uint32_t id { 0 };
    std::string name, url;
    bool modified { true };
    bool unconfirmed { false };
};

struct Comment {
    std::uint32_t entryId { 0 };
    bool pending { false };
    std::uint32_t commentId { 0 };
    std::uint32_t authorId { 0 };
    std::string text, author;
    std::uint32_t date { 0 };
    bool unconfirmed { false };
};

inline void WriteEntry(ByteBuilder& out, const Entry& e)
{
    out.U32(e.serverId).U32(e.categoryId).U32(e.posterId);
    out.Str(e.title).Str(e.caption).Str(e.author).Str(e.thumbnailUrl).Str(e.photoUrl).Str(e.sourceUrl);
    out.U32(e.postDate).U32(e.takenDate).U32(e.fileSize).U16(e.width).U16(e.height);
    out.U8(e.photoState).U8(e.secondState).U8(e.statusBits).Str(e.photoPath);
    out.Bool(e.pending).Bool(e.unconfirmed).U32(static_cast<std::uint32_t>(e.thumbnail.size())).Raw(e.thumbnail);
}

inline void WriteAlbum(ByteBuilder& out, const Album& a)
{
    out.U32(a.id).Str(a.name).Str(a.url).Bool(a.modified).Bool(a.unconfirmed);
}

inline void WriteComment(ByteBuilder& out, const Comment& c)
{
    out.U32(c.entryId).Bool(c.pending).U32(c.commentId).U32(c.authorId).Str(c.text).Str(c.author).U32(c.date).Bool(c.unconfirmed);
}

inline Entry PublishedEntry()
{
    Entry e;
    e.serverId = 501;
    e.categoryId = 77;
    e.posterId = 9;
    e.title = "Beach";
    e.caption = "Sunset at the beach";
    e.author = "Ann";
    e.thumbnailUrl = "http://x/t.jpg";
    e.photoUrl = "http://x/p.jpg";
    e.sourceUrl = "http://x/o.jpg";
    e.postDate = 3000000000u;
    e.takenDate = 2999999000u;
    e.fileSize = 123456;
    e.width = 640;
    e.height = 480;
    e.photoState = 5;
    e.secondState = 9;
    e.statusBits = 3;
    e.photoPath = "/photos/beach.jpg";
    e.pending = false;
    e.unconfirmed = true;
    e.thumbnail = "abc";
    return e;
}

inline Entry PendingEntry()
{
    Entry e;
    e.title = "Caf\xC3\xA9";
    e.postDate = 2000;
    e.takenDate = 2000;
    e.photoState = 7;
    e.photoPath = "/photos/new.jpg";
    return e;
}

inline Entry DeletedEntry()
{
    Entry e;
    e.serverId = 444;
    e.title = "Gone";
    e.pending = false;
    return e;
}

inline Album TravelAlbum() { return { 77, "Travel", "http://x/c/77", false, false }; }
inline Album OldAlbum() { return { 78, "Old", "", true, true }; }
inline Comment LovelyComment() { return { 501, false, 9001, 12, "Lovely!", "Bob", 3000000100u, false }; }
inline Comment DeletedComment() { return { 501, true, 9002, 13, "oops", "Cy", 3000000200u, true }; }

// Fields 1 to 23 of the store file: header, descriptor, stamp and filters.
inline void WriteStoreHeader(ByteBuilder& out, std::uint16_t formatVersion)
{
    out.U16(formatVersion).U32(0);
    out.U32(4242).U16(1).Str("trips").Str("s2").Str("s3").Str("Summer Trips").Str("Sea & sand \xE2\x98\x80").Str("pw");
    out.U16(1).Bool(true).Bool(true).U16(4).U16(5).Bool(false).U16(40).Bool(true).Bool(true).Bool(true);
    out.U32(1234567).U16(2).U32(77);
}

// A store with two entries, one category, one comment and one record in
// each deletion queue. Map numbers: CWinBlogEntry 1, entries 2 and 3,
// CWinBlogAlbum 4, album 5, CWinBlogComment 6, comment 7, then the queued
// records 8, 9 and 10 by class reference.
inline std::string StoreFile(std::uint16_t formatVersion = 1)
{
    ByteBuilder out;
    WriteStoreHeader(out, formatVersion);
    out.Count(2).NewClass("CWinBlogEntry");
    WriteEntry(out, PublishedEntry());
    out.ClassRef(1);
    WriteEntry(out, PendingEntry());
    out.Count(1).NewClass("CWinBlogAlbum");
    WriteAlbum(out, TravelAlbum());
    out.Count(1).NewClass("CWinBlogComment");
    WriteComment(out, LovelyComment());
    out.Count(1).ClassRef(1);
    WriteEntry(out, DeletedEntry());
    out.Count(1).ClassRef(4);
    WriteAlbum(out, OldAlbum());
    out.Count(1).ClassRef(6);
    WriteComment(out, DeletedComment());
    return out.Bytes();
}

// A blog of the user's own (not a group blog), writable unless readOnly,
// with these entries and categories and nothing queued; filters "All" in
// all categories.
inline std::string BlogStoreFile(std::string_view urlName, const std::vector<Entry>& entries, const std::vector<Album>& albums = {}, bool readOnly = false)
{
    ByteBuilder out;
    out.U16(1).U32(0);
    out.U32(31337).U16(0).Str(urlName).Str("").Str("").Str("").Str("").Str("");
    out.U16(0).Bool(readOnly).Bool(true).U16(3).U16(5).Bool(true).U16(25).Bool(false).Bool(false).Bool(false);
    out.U32(0).U16(0).U32(4294967295u);
    std::uint32_t nextMapNumber = 1;
    out.Count(static_cast<std::uint32_t>(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i == 0)
            out.NewClass("CWinBlogEntry");
        else
            out.ClassRef(1);
        WriteEntry(out, entries[i]);
    }
    nextMapNumber += entries.empty() ? 0 : static_cast<std::uint32_t>(entries.size()) + 1;
    out.Count(static_cast<std::uint32_t>(albums.size()));
    for (size_t i = 0; i < albums.size(); ++i) {
        if (i == 0)
            out.NewClass("CWinBlogAlbum");
        else
            out.ClassRef(nextMapNumber);
        WriteAlbum(out, albums[i]);
    }
    out.Count(0).Count(0).Count(0).Count(0);
    return out.Bytes();
}

// A user file; version 0 ends after the blog URL names.
inline std::string UserFile(std::uint32_t formatVersion = 1)
{
    ByteBuilder out;
    out.U32(formatVersion).U32(31337).Str("ann@example.com").Str("s3cret").U16(1).U32(500);
    out.Count(2).Utf16(u"trips").Utf16(u"caf\u00E9-blog");
    if (formatVersion != 0)
        out.Count(1).Utf16(u"My Other Blog");
    return out.Bytes();
}

}
