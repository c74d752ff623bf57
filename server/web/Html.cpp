#include "server/web/Html.h"

#include "server/soap/WireTime.h"

namespace {

// Plain and light: one column of cards on a phone, a grid on wider
// screens, nothing to download but the page and its pictures.
constexpr std::string_view StyleSheet = R"css(
*{box-sizing:border-box}
body{margin:0;font:16px/1.5 system-ui,-apple-system,"Segoe UI",Roboto,sans-serif;color:#222;background:#f4f3ef}
a{color:#1a5c8a;text-decoration:none}
a:hover{text-decoration:underline}
header.site{background:#24313d;color:#fff;padding:1.2rem 1rem}
header.site a{color:#fff}
header.site h1{margin:0;font-size:1.6rem;font-weight:600;overflow-wrap:anywhere}
header.site p{margin:.2rem 0 0;color:#c9d3db;overflow-wrap:anywhere}
main{max-width:1100px;margin:0 auto;padding:1rem}
nav.albums{display:flex;flex-wrap:wrap;gap:.4rem;margin:0 0 1rem}
nav.albums a{background:#fff;border:1px solid #d8d6cf;border-radius:1rem;padding:.15rem .8rem;font-size:.9rem}
nav.albums a.current{background:#24313d;border-color:#24313d;color:#fff}
.grid{display:grid;grid-template-columns:repeat(auto-fill,minmax(240px,1fr));gap:1rem}
.card{background:#fff;border-radius:6px;overflow:hidden;box-shadow:0 1px 3px rgba(0,0,0,.12)}
.card img{display:block;width:100%;height:200px;object-fit:cover;background:#ddd}
.card .text{padding:.6rem .8rem}
.card h2{margin:0;font-size:1.05rem;overflow-wrap:anywhere}
.card p{margin:.2rem 0 0;color:#555;font-size:.9rem;overflow-wrap:anywhere;display:-webkit-box;-webkit-line-clamp:3;-webkit-box-orient:vertical;overflow:hidden}
.meta{color:#777;font-size:.85rem}
.entry{background:#fff;border-radius:6px;padding:1rem;box-shadow:0 1px 3px rgba(0,0,0,.12)}
.entry img{display:block;max-width:100%;height:auto;margin:0 auto;background:#ddd}
.entry h1{font-size:1.4rem;margin:.8rem 0 .2rem;overflow-wrap:anywhere}
.caption{white-space:pre-line;overflow-wrap:anywhere}
.comments{margin-top:1.5rem}
.comments h2{font-size:1.1rem}
.comment{border-top:1px solid #e5e3dc;padding:.6rem 0}
.comment .text{white-space:pre-line;overflow-wrap:anywhere}
.pages{display:flex;justify-content:space-between;margin:1.2rem 0}
.blogs{list-style:none;padding:0}
.blogs li{background:#fff;border-radius:6px;padding:.8rem 1rem;margin:0 0 .6rem;box-shadow:0 1px 3px rgba(0,0,0,.12)}
form.password{background:#fff;border-radius:6px;padding:1rem;max-width:420px}
form.password input[type=password]{width:100%;font:inherit;padding:.4rem;margin:.4rem 0}
form.password button{font:inherit;padding:.3rem 1rem}
.notice{color:#a12b2b}
@media (max-width:520px){.grid{grid-template-columns:1fr}.card img{height:auto;aspect-ratio:4/3}}
)css";

}

std::string EscapeHtml(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&#39;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string HtmlPage(std::string_view title, std::string_view body)
{
    std::string page = "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"><title>";
    page += EscapeHtml(title);
    page += "</title><style>";
    page += StyleSheet;
    page += "</style></head><body>";
    page += body;
    page += "</body></html>\n";
    return page;
}

std::string HtmlDate(std::int64_t moment)
{
    static const char* months[] = { "January", "February", "March", "April", "May", "June", "July", "August", "September",
        "October", "November", "December" };
    CivilDate date = CivilDateOf(moment);
    return std::to_string(date.day) + " " + months[date.month - 1] + " " + std::to_string(date.year);
}
