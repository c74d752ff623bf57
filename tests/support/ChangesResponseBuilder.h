#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Writes a changes response ("GC") as the service does: a SOAP envelope
// holding the server's timestamp and the sections of blog settings,
// categories, entries and comments, every field of every record in order,
// values escaped. Sections are written only when something was added to
// them (or when asked for empty).
class ChangesResponseBuilder {
public:
    struct Blog {
        std::string title { "My Blog" };
        std::string subtitle { "Photos of everything" };
        std::string type { "normal" };
        std::string visibility { "normal" };
        std::string writeAccess { "yes" };
        std::string commentAccess { "yes" };
        std::uint32_t ownerId { 77 };
    };
    struct Category {
        std::uint32_t id { 0 };
        std::string name {};
        std::string url {};
        bool deleted { false };
    };
    struct Entry {
        std::uint32_t id { 0 };
        std::uint32_t categoryId { 0 };
        std::uint32_t posterId { 77 };
        std::string title {};
        std::string caption {};
        std::string posterName { "Poster" };
        std::string sourceUrl {};
        std::string photoUrl {};
        std::string thumbnailUrl {};
        std::string posted { "2006-07-01T10:00:00Z" };
        std::string taken { "2006-07-01T09:00:00Z" };
        bool deleted { false };
    };
    struct Comment {
        std::uint32_t id { 0 };
        std::uint32_t entryId { 0 };
        std::uint32_t authorId { 78 };
        std::string author { "Reader" };
        std::string date { "2006-07-02T10:00:00Z" };
        std::string text {};
        bool deleted { false };
    };

    ChangesResponseBuilder& Timestamp(std::string_view isoTime);
    ChangesResponseBuilder& Add(const Blog& blog);
    ChangesResponseBuilder& Add(const Category& category);
    ChangesResponseBuilder& Add(const Entry& entry);
    ChangesResponseBuilder& Add(const Comment& comment);
    // Writes the sections that hold nothing as "<XS />".
    ChangesResponseBuilder& WithEmptySections();

    // The whole response body.
    std::string Text() const;

    // The service's escaping of a value.
    static std::string Escape(std::string_view text);
    // A response body of one action: "<ACTIONResponse><ACTIONResult>" inner
    // "</...>" in a SOAP envelope.
    static std::string Envelope(std::string_view action, std::string_view inner);

private:
    std::string m_timestamp;
    std::string m_blogs;
    std::string m_categories;
    std::string m_entries;
    std::string m_comments;
    bool m_emptySections { false };
};
