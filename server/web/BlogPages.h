#pragma once

#include "server/storage/SqlDatabase.h"

#include <cstdint>
#include <optional>
#include <string>

// The web pages of the service: the list of public blogs, a blog's page
// (all its entries or one category's, newest first, a page at a time), an
// entry's page with its comments, and the view-password form of a
// protected blog. Hidden blogs have no pages at all (they answer as if
// they did not exist); a protected blog shows its pages to a browser that
// gave its view password. Everything users wrote is HTML-escaped.

struct WebPage {
    int status { 200 };
    std::string html;
    std::string location;  // a redirect's target
    std::string setCookie; // a Set-Cookie header's value
};

struct BlogPageQuery {
    std::string blogName;
    std::optional<std::uint32_t> albumId;   // 0: all categories
    std::optional<std::uint32_t> previewId; // one entry
    std::int64_t page { 1 };
    std::string cookieHeader;
    std::string queryText; // the page's own query, to come back to after the password form
};

class BlogPages {
public:
    explicit BlogPages(SqlDatabase& database)
        : m_database(database)
    {
    }

    ErrorOr<WebPage> Home();
    ErrorOr<WebPage> Blog(const BlogPageQuery& query);
    // The password form's answer: on the right password a cookie and a
    // redirect back to the page asked for, else the form again.
    ErrorOr<WebPage> Unlock(const std::string& blogName, const std::string& password, const std::string& next);
    WebPage NotFound();

private:
    SqlDatabase& m_database;
};

// Entries on one page of a blog.
constexpr std::int64_t EntriesPerPage = 24;
