// The blog pages in a real browser (headless Chromium): a blog's page shows
// its entries' photos, an entry's page its comments, a hidden blog nothing,
// a protected blog its password form; users' text is shown as text. One
// screenshot of each page is kept in the test's output folder.

#include "ProgramRunner.h"
#include "ServerTestKit.h"

#include "platform/FileSystem.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

const char* const Browser = "/usr/bin/chromium";

// Runs the browser on a page: its rendered DOM, or a screenshot of it at
// the window size.
class HeadlessBrowser {
public:
    std::string Dom(const std::string& url) { return Run({ "--dump-dom", url }).out; }

    bool Screenshot(const std::string& url, const std::string& file, const std::string& size)
    {
        std::filesystem::create_directories(std::filesystem::path(file).parent_path());
        std::filesystem::remove(file);
        Run({ "--hide-scrollbars", "--window-size=" + size, "--screenshot=" + file, url });
        return std::filesystem::exists(file) && std::filesystem::file_size(file) > 1000;
    }

private:
    ProgramRun Run(std::vector<std::string> arguments)
    {
        // A fresh profile for each run, and nothing that talks to the
        // network beyond the page asked for.
        TemporaryFolder profile;
        std::vector<std::string> flags { "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
            "--disable-background-networking", "--disable-component-update", "--disable-sync", "--disable-extensions",
            "--user-data-dir=" + profile.Path() };
        flags.insert(flags.end(), arguments.begin(), arguments.end());
        return RunProgram(Browser, flags, 60);
    }
};

// The PostgreSQL run keeps its pictures apart: the two runs go side by
// side.
std::string ScreenshotFile(const std::string& name)
{
    std::string folder = std::string(VBX_SCREENSHOT_DIR) + (CurrentTestEngine() == TestEngine::Postgres ? "/postgresql" : "");
    return folder + "/" + name + ".png";
}

size_t Count(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

class BlogPagesInABrowser : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!IsRegularFile(Browser))
            GTEST_SKIP() << "no browser at " << Browser << " (scripts/setup-deps.sh installs chromium)";
    }

    std::string Url(const std::string& path) const { return "http://" + service.Host() + path; }

    ServiceUnderTest service;
    HeadlessBrowser browser;
};

}

TEST_F(BlogPagesInABrowser, ABlogPageShowsItsEntriesPhotos)
{
    Device ann(service, service.AddUser("ann@example.com", "secret"));
    ann.CreateBlog("garden", "Ann's Garden");
    ASSERT_TRUE(ann.Send("EB", "garden", "<BL><BT>Ann&apos;s Garden</BT><ST>Roses, tulips &amp; weeds</ST><VI>normal</VI></BL>").Ok());
    std::uint32_t roses = ann.AddCategory("garden", "Roses");
    std::vector<std::uint32_t> ids;
    const char* titles[] = { "Morning light", "The old wall", "Tulips at noon", "<script>alert('x')</script>" };
    for (int i = 0; i < 4; ++i)
        ids.push_back(ann.AddEntry("garden", titles[i], TestJpeg(960, 720, 20 + i), i % 2 ? roses : 0,
            i == 3 ? "<img src=x onerror=alert(1)> is shown as text" : "A caption for photo " + std::to_string(i + 1)));

    std::string dom = browser.Dom(Url("/garden"));
    ASSERT_FALSE(dom.empty());
    EXPECT_NE(dom.find("Ann's Garden"), std::string::npos);
    EXPECT_NE(dom.find("Roses, tulips &amp; weeds"), std::string::npos);
    for (std::uint32_t id : ids)
        EXPECT_NE(dom.find("?preview=" + std::to_string(id)), std::string::npos) << id;
    EXPECT_EQ(Count(dom, "<img "), 4u);
    EXPECT_EQ(Count(dom, "-p.jpg\""), 4u);
    // The hostile title and caption are text on the page, never markup.
    EXPECT_EQ(dom.find("<script"), std::string::npos);
    EXPECT_NE(dom.find("&lt;script&gt;alert('x')&lt;/script&gt;"), std::string::npos);
    EXPECT_EQ(dom.find("onerror=alert(1)>"), std::string::npos);
    EXPECT_NE(dom.find("&lt;img src=x onerror=alert(1)&gt; is shown as text"), std::string::npos);
    // The browser fetched every entry's picture: the service makes each one
    // when it is first asked for.
    auto pictures = ListFolder(service.DataFolder() + "/photos/garden/derived");
    ASSERT_FALSE(pictures.IsError());
    EXPECT_EQ(pictures->size(), 4u);

    EXPECT_TRUE(browser.Screenshot(Url("/garden"), ScreenshotFile("blog-page-desktop"), "1200,900"));
    EXPECT_TRUE(browser.Screenshot(Url("/garden"), ScreenshotFile("blog-page-phone"), "390,844"));

    std::string album = browser.Dom(Url("/garden/?albumid=" + std::to_string(roses)));
    EXPECT_EQ(Count(album, "<img "), 2u);
    EXPECT_NE(album.find("class=\"current\">Roses"), std::string::npos);
    EXPECT_TRUE(browser.Screenshot(Url("/garden/?albumid=" + std::to_string(roses)), ScreenshotFile("category-page"), "1200,700"));
}

TEST_F(BlogPagesInABrowser, AnEntryPageShowsItsComments)
{
    Device ann(service, service.AddUser("ann@example.com"));
    Device bob(service, service.AddUser("bob@example.com"));
    ann.CreateBlog("garden", "Ann's Garden");
    std::uint32_t id = ann.AddEntry("garden", "Morning light", TestJpeg(1024, 768, 31), 0, "The first sun on the roses.\nSecond line.");
    ann.AddComment("garden", id, "Thanks for looking!");
    bob.AddComment("garden", id, "Beautiful <b>colours</b> & light");

    std::string dom = browser.Dom(Url("/garden/?preview=" + std::to_string(id)));
    EXPECT_NE(dom.find("Morning light"), std::string::npos);
    EXPECT_NE(dom.find("The first sun on the roses."), std::string::npos);
    EXPECT_NE(dom.find("2 comments"), std::string::npos);
    EXPECT_NE(dom.find("Thanks for looking!"), std::string::npos);
    EXPECT_NE(dom.find("Beautiful &lt;b&gt;colours&lt;/b&gt; &amp; light"), std::string::npos);
    EXPECT_NE(dom.find("bob wrote on"), std::string::npos);
    EXPECT_EQ(Count(dom, "<img "), 1u);
    EXPECT_TRUE(browser.Screenshot(Url("/garden/?preview=" + std::to_string(id)), ScreenshotFile("entry-page"), "1000,1100"));
    EXPECT_TRUE(browser.Screenshot(Url("/garden/?preview=" + std::to_string(id)), ScreenshotFile("entry-page-phone"), "390,844"));
}

TEST_F(BlogPagesInABrowser, HiddenAndProtectedBlogsAreNotShownToStrangers)
{
    Device ann(service, service.AddUser("ann@example.com"));
    ann.CreateBlog("secret", "Secret Blog", false);
    ann.AddEntry("secret", "Hidden entry", TestJpeg(320, 240, 41));
    ann.CreateBlog("diary", "Ann's Diary");
    ann.AddEntry("diary", "Private entry", TestJpeg(320, 240, 42));
    ASSERT_EQ(service.Admin({ "set-view-password", "diary", "open sesame" }), 0);
    ann.CreateBlog("public", "Public Blog");

    std::string hidden = browser.Dom(Url("/secret"));
    EXPECT_NE(hidden.find("There is no such page here."), std::string::npos);
    EXPECT_EQ(hidden.find("Secret Blog"), std::string::npos);
    EXPECT_EQ(hidden.find("Hidden entry"), std::string::npos);
    EXPECT_EQ(ann.Get("/secret").status, 404);
    EXPECT_EQ(ann.Get("/secret/?preview=1").status, 404);
    EXPECT_TRUE(browser.Screenshot(Url("/secret"), ScreenshotFile("hidden-blog"), "1000,500"));

    std::string form = browser.Dom(Url("/diary"));
    EXPECT_NE(form.find("This blog is protected by a password."), std::string::npos);
    EXPECT_EQ(form.find("Private entry"), std::string::npos);
    EXPECT_TRUE(browser.Screenshot(Url("/diary"), ScreenshotFile("protected-blog"), "1000,500"));

    // The home page lists public blogs only.
    std::string home = browser.Dom(Url("/"));
    EXPECT_NE(home.find("Public Blog"), std::string::npos);
    EXPECT_EQ(home.find("Secret Blog"), std::string::npos);
    EXPECT_EQ(home.find("Ann's Diary"), std::string::npos);

    // The right password opens the pages through a cookie.
    httplib::Client client = service.Client();
    auto wrong = client.Post("/diary/", "password=nope&next=preview%3D1", "application/x-www-form-urlencoded");
    ASSERT_TRUE(wrong);
    EXPECT_EQ(wrong->status, 401);
    EXPECT_NE(wrong->body.find("That is not the blog's view password."), std::string::npos);
    auto right = client.Post("/diary/", "password=open+sesame&next=", "application/x-www-form-urlencoded");
    ASSERT_TRUE(right);
    EXPECT_EQ(right->status, 303);
    std::string cookie = right->get_header_value("Set-Cookie");
    cookie = cookie.substr(0, cookie.find(';'));
    auto opened = client.Get("/diary", httplib::Headers { { "Cookie", cookie } });
    ASSERT_TRUE(opened);
    EXPECT_NE(opened->body.find("Private entry"), std::string::npos);
    auto forged = client.Get("/diary", httplib::Headers { { "Cookie", cookie.substr(0, cookie.size() - 2) + "00" } });
    EXPECT_EQ(forged->status, 401);
    // A new password shuts the old cookie out.
    ASSERT_EQ(service.Admin({ "set-view-password", "diary", "new one" }), 0);
    EXPECT_EQ(client.Get("/diary", httplib::Headers { { "Cookie", cookie } })->status, 401);
}
