#include "server/web/BlogPages.h"

#include "server/photos/PhotoStore.h"
#include "server/photos/PictureFitting.h"
#include "server/storage/Blogs.h"
#include "server/storage/Categories.h"
#include "server/storage/Comments.h"
#include "server/storage/Entries.h"
#include "server/storage/ServiceMeta.h"
#include "server/web/Html.h"
#include "server/web/ViewCookie.h"

#include <openssl/crypto.h>

namespace {

std::string BlogPath(const BlogRecord& blog)
{
    return "/" + blog.name + "/";
}

std::string DisplayTitle(const BlogRecord& blog)
{
    return blog.title.empty() ? blog.name : blog.title;
}

std::string SiteHeader(const BlogRecord& blog)
{
    std::string html = "<header class=\"site\"><h1><a href=\"" + EscapeHtml(BlogPath(blog)) + "\">" + EscapeHtml(DisplayTitle(blog)) + "</a></h1>";
    if (!blog.subtitle.empty())
        html += "<p>" + EscapeHtml(blog.subtitle) + "</p>";
    return html + "</header>";
}

std::string PictureTag(const BlogRecord& blog, const EntryRecord& entry, const char* loading)
{
    PictureSize size = FittedSize(PictureSize { int(entry.width), int(entry.height) }, 480, 360);
    return "<img src=\"" + EscapeHtml(PhotoStore::AddressPath(blog.name, entry.id, entry.photoKey, PhotoVariant::Picture)) + "\" width=\""
        + std::to_string(size.width) + "\" height=\"" + std::to_string(size.height) + "\" alt=\"" + EscapeHtml(entry.title) + "\" loading=\""
        + loading + "\">";
}

std::string CommentCount(std::int64_t count)
{
    return count == 1 ? "1 comment" : std::to_string(count) + " comments";
}

// Only a query made of names, numbers, "=" and "&" is taken back to.
bool IsSafeQuery(const std::string& query)
{
    for (char c : query) {
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '=' || c == '&'))
            return false;
    }
    return true;
}

// Compared in time that does not depend on where the texts differ.
bool SamePassword(const std::string& given, const std::string& password)
{
    return given.size() == password.size() && CRYPTO_memcmp(given.data(), password.data(), given.size()) == 0;
}

WebPage PasswordForm(const BlogRecord& blog, const std::string& next, bool wrong)
{
    std::string body = SiteHeader(blog) + "<main><form class=\"password\" method=\"post\" action=\"" + EscapeHtml(BlogPath(blog)) + "\">"
        + "<p>This blog is protected by a password.</p>";
    if (wrong)
        body += "<p class=\"notice\">That is not the blog's view password.</p>";
    body += "<label>View password <input type=\"password\" name=\"password\" autofocus required></label>"
            "<input type=\"hidden\" name=\"next\" value=\""
        + EscapeHtml(IsSafeQuery(next) ? next : "") + "\"><button type=\"submit\">Open the blog</button></form></main>";
    return WebPage { 401, HtmlPage(DisplayTitle(blog), body), {}, {} };
}

}

WebPage BlogPages::NotFound()
{
    return WebPage { 404,
        HtmlPage("Not found", "<header class=\"site\"><h1><a href=\"/\">Vellumbrix</a></h1></header><main><p>There is no such page here.</p></main>"),
        {}, {} };
}

ErrorOr<WebPage> BlogPages::Home()
{
    auto transaction = m_database.Begin(TransactionKind::Read);
    if (transaction.IsError())
        return transaction.GetError();
    auto blogs = ListPublicBlogs(**transaction);
    if (blogs.IsError())
        return blogs.GetError();
    std::string body = "<header class=\"site\"><h1>Vellumbrix</h1><p>Photo blogs on this server</p></header><main>";
    if (blogs->empty())
        body += "<p>No public blogs yet.</p>";
    body += "<ul class=\"blogs\">";
    for (const BlogRecord& blog : *blogs) {
        body += "<li><a href=\"" + EscapeHtml(BlogPath(blog)) + "\">" + EscapeHtml(DisplayTitle(blog)) + "</a>";
        if (!blog.subtitle.empty())
            body += "<div class=\"meta\">" + EscapeHtml(blog.subtitle) + "</div>";
        body += "</li>";
    }
    body += "</ul></main>";
    return WebPage { 200, HtmlPage("Vellumbrix", body), {}, {} };
}

ErrorOr<WebPage> BlogPages::Blog(const BlogPageQuery& query)
{
    auto transaction = m_database.Begin(TransactionKind::Read);
    if (transaction.IsError())
        return transaction.GetError();
    SqlTransaction& db = **transaction;
    auto found = FindBlogByName(db, query.blogName);
    if (found.IsError())
        return found.GetError();
    if (!*found || (*found)->hidden)
        return NotFound();
    const BlogRecord& blog = **found;
    if (blog.IsProtected()) {
        auto secret = SiteSecret(db);
        if (secret.IsError())
            return secret.GetError();
        if (!HasViewCookie(query.cookieHeader, *secret, blog))
            return PasswordForm(blog, query.queryText, false);
    }

    auto categories = ListCategories(db, blog.id);
    if (categories.IsError())
        return categories.GetError();

    if (query.previewId) {
        auto entry = FindEntry(db, blog.id, *query.previewId);
        if (entry.IsError())
            return entry.GetError();
        if (!*entry || (*entry)->deleted)
            return NotFound();
        auto comments = ListCommentsOfEntry(db, (*entry)->id);
        if (comments.IsError())
            return comments.GetError();
        const EntryRecord& shown = **entry;
        std::string body = SiteHeader(blog) + "<main><article class=\"entry\"><a href=\""
            + EscapeHtml(PhotoStore::AddressPath(blog.name, shown.id, shown.photoKey, PhotoVariant::FullSize)) + "\">"
            + PictureTag(blog, shown, "eager") + "</a>";
        body += "<h1>" + EscapeHtml(shown.title.empty() ? "Untitled" : shown.title) + "</h1>";
        body += "<p class=\"meta\">Posted by " + EscapeHtml(shown.posterName) + " on " + HtmlDate(shown.posted);
        for (const CategoryRecord& category : *categories) {
            if (category.id == shown.categoryId)
                body += " in <a href=\"" + EscapeHtml(BlogPath(blog)) + "?albumid=" + std::to_string(category.id) + "\">" + EscapeHtml(category.name) + "</a>";
        }
        body += "</p>";
        if (!shown.caption.empty())
            body += "<p class=\"caption\">" + EscapeHtml(shown.caption) + "</p>";
        body += "<section class=\"comments\"><h2>" + CommentCount(static_cast<std::int64_t>(comments->size())) + "</h2>";
        for (const CommentRecord& comment : *comments) {
            body += "<div class=\"comment\"><div class=\"meta\">" + EscapeHtml(comment.authorName) + " wrote on " + HtmlDate(comment.written)
                + "</div><div class=\"text\">" + EscapeHtml(comment.text) + "</div></div>";
        }
        body += "</section></article><p><a href=\"" + EscapeHtml(BlogPath(blog)) + "\">&larr; All entries</a></p></main>";
        return WebPage { 200, HtmlPage(shown.title.empty() ? DisplayTitle(blog) : shown.title, body), {}, {} };
    }

    std::optional<std::uint32_t> album;
    if (query.albumId && *query.albumId != 0)
        album = *query.albumId;
    std::string albumQuery = album ? "albumid=" + std::to_string(*album) + "&" : "";
    std::string body = SiteHeader(blog) + "<main><nav class=\"albums\">";
    body += "<a href=\"" + EscapeHtml(BlogPath(blog)) + "?albumid=0\"" + (album ? "" : " class=\"current\"") + ">All</a>";
    bool albumFound = !album;
    for (const CategoryRecord& category : *categories) {
        bool current = album && *album == category.id;
        albumFound = albumFound || current;
        body += "<a href=\"" + EscapeHtml(BlogPath(blog)) + "?albumid=" + std::to_string(category.id) + "\"" + (current ? " class=\"current\"" : "") + ">"
            + EscapeHtml(category.name) + "</a>";
    }
    body += "</nav>";
    if (!albumFound)
        return NotFound();

    std::int64_t page = std::max<std::int64_t>(1, query.page);
    auto total = CountEntries(db, blog.id, album);
    if (total.IsError())
        return total.GetError();
    auto entries = ListRecentEntries(db, blog.id, EntryPage { album, EntriesPerPage, (page - 1) * EntriesPerPage });
    if (entries.IsError())
        return entries.GetError();
    if (entries->empty())
        body += "<p>No entries yet.</p>";
    body += "<div class=\"grid\">";
    for (const EntryRecord& entry : *entries) {
        auto comments = CountCommentsOfEntry(db, entry.id);
        if (comments.IsError())
            return comments.GetError();
        std::string link = EscapeHtml(BlogPath(blog)) + "?preview=" + std::to_string(entry.id);
        body += "<div class=\"card\"><a href=\"" + link + "\">" + PictureTag(blog, entry, "lazy") + "</a><div class=\"text\"><h2><a href=\"" + link
            + "\">" + EscapeHtml(entry.title.empty() ? "Untitled" : entry.title) + "</a></h2>";
        if (!entry.caption.empty())
            body += "<p>" + EscapeHtml(entry.caption) + "</p>";
        body += "<div class=\"meta\">" + HtmlDate(entry.posted) + " &middot; " + CommentCount(*comments) + "</div></div></div>";
    }
    body += "</div><div class=\"pages\"><span>";
    if (page > 1)
        body += "<a href=\"" + EscapeHtml(BlogPath(blog)) + "?" + albumQuery + "page=" + std::to_string(page - 1) + "\">&larr; Newer entries</a>";
    body += "</span><span>";
    if (page * EntriesPerPage < *total)
        body += "<a href=\"" + EscapeHtml(BlogPath(blog)) + "?" + albumQuery + "page=" + std::to_string(page + 1) + "\">Older entries &rarr;</a>";
    body += "</span></div></main>";
    return WebPage { 200, HtmlPage(DisplayTitle(blog), body), {}, {} };
}

ErrorOr<WebPage> BlogPages::Unlock(const std::string& blogName, const std::string& password, const std::string& next)
{
    auto transaction = m_database.Begin(TransactionKind::Read);
    if (transaction.IsError())
        return transaction.GetError();
    auto found = FindBlogByName(**transaction, blogName);
    if (found.IsError())
        return found.GetError();
    if (!*found || (*found)->hidden || !(*found)->IsProtected())
        return NotFound();
    const BlogRecord& blog = **found;
    if (!SamePassword(password, blog.viewPassword))
        return PasswordForm(blog, next, true);
    auto secret = SiteSecret(**transaction);
    if (secret.IsError())
        return secret.GetError();
    WebPage page;
    page.status = 303;
    page.location = BlogPath(blog) + (IsSafeQuery(next) && !next.empty() ? "?" + next : "");
    page.setCookie = ViewCookieName(blog) + "=" + ViewCookieValue(*secret, blog) + "; Path=/; HttpOnly; SameSite=Lax";
    return page;
}
