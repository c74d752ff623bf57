#include "MainViewFixture.h"

#include "workflows/DownloadPhotoWorkflow.h"

namespace {

// The texts of a menu's items, separators as "-", submenus as "NAME>".
std::vector<std::string> Texts(const Menu& menu)
{
    std::vector<std::string> texts;
    for (auto& item : menu)
        texts.push_back(item.kind == MenuItem::Kind::Separator ? "-" : item.kind == MenuItem::Kind::Submenu ? item.text + ">"
                                                                                                            : item.text);
    return texts;
}

const MenuItem& Find(const Menu& menu, const std::string& text)
{
    for (auto& item : menu) {
        if (item.text == text)
            return item;
    }
    static MenuItem missing;
    ADD_FAILURE() << "no item " << text;
    return missing;
}

std::vector<std::string> Checked(const Menu& menu)
{
    std::vector<std::string> texts;
    for (auto& item : menu) {
        if (item.checked)
            texts.push_back(item.text);
    }
    return texts;
}

}

TEST_F(MainViewTest, TheHomeMenuHoldsTheHomeCommands)
{
    Start();
    EXPECT_EQ(Texts(View().BuildMenu(Menus::HomeTools)),
        (std::vector<std::string> { "Subscribe to Blog...", "Create New Blog...", "Sync All Blogs", "Edit Blogs...", "-", "Account Info...", "Camera Prefs...",
            "Font...", "-", "Check for Updates...", "About Vellumbrix...", "-", "Exit" }));
    SoftKeys keys = View().GetSoftKeys();
    EXPECT_EQ(keys.leftText, "Sync");
    EXPECT_EQ(keys.leftCommand, Command::SyncAllBlogs);
    EXPECT_EQ(keys.rightText, "Tools");
    EXPECT_EQ(keys.rightMenu, Menus::HomeTools);
    EXPECT_EQ(Texts(View().BuildMenu(Menus::BlogRowContext)), (std::vector<std::string> { "Sync", "Blog Prefs...", "Send Blog E-Mail...", "Post Remote Entry..." }));
}

TEST_F(MainViewTest, CommandsWithoutTheirDialogOrTheServiceAreDisabled)
{
    dialogs.SetNoDialogs();
    dialogs.SetCameraSupported(false);
    Start();
    Menu home = View().BuildMenu(Menus::HomeTools);
    // The camera's commands too: until its dialogs are there the program
    // cannot tell whether the device has a camera it could use.
    for (auto text : { "Subscribe to Blog...", "Create New Blog...", "Sync All Blogs", "Edit Blogs...", "Account Info...", "Camera Prefs...", "Font...", "Check for Updates...", "About Vellumbrix..." })
        EXPECT_FALSE(Find(home, text).enabled) << text;
    EXPECT_TRUE(Find(home, "Exit").enabled);
    EXPECT_FALSE(View().GetSoftKeys().leftEnabled);
    EXPECT_FALSE(View().RunCommand(Command::EditBlogs));
    EXPECT_TRUE(dialogs.Opened().empty());

    dialogs.SetAvailable(DialogId::EditBlogList, true);
    EXPECT_TRUE(Find(View().BuildMenu(Menus::HomeTools), "Edit Blogs...").enabled) << "a dialog that lands enables its command";
    network = std::make_unique<ScriptedNetwork>();
    View().SetNetworkOperations(network.get());
    EXPECT_TRUE(View().GetSoftKeys().leftEnabled);

    View().OpenBlog(kTrips);
    Menu blog = View().BuildMenu(Menus::BlogTools);
    EXPECT_TRUE(Find(blog, "Sync").enabled);
    EXPECT_FALSE(Find(blog, "Add Photo...").enabled);
    EXPECT_TRUE(Find(blog, "Show").enabled);
}

TEST_F(MainViewTest, DownloadPhotoNeedsItsDialogButNotTheService)
{
    dialogs.SetNoDialogs();
    Start();
    View().OpenBlog(kTrips);
    View().OpenEntry(1);
    EXPECT_FALSE(Find(View().BuildMenu(Menus::EntryTools), "Download Photo...").enabled);
    dialogs.SetAvailable(DialogId::DownloadPhoto, true);
    EXPECT_TRUE(Find(View().BuildMenu(Menus::EntryTools), "Download Photo...").enabled) << "\"Next Sync\" works offline";
    bool offered = true;
    dialogs.Script<DownloadPhotoWorkflow>(DialogId::DownloadPhoto, [&](DownloadPhotoWorkflow& workflow) {
        offered = workflow.CanDownloadNow();
        return DialogResults::Cancel;
    });
    EXPECT_TRUE(View().RunCommand(Command::DownloadPhoto));
    EXPECT_FALSE(offered) << "\"Now\" needs the service";
}

TEST_F(MainViewTest, TheBlogMenuShowsTheBlogsFiltersAndCategories)
{
    Start();
    View().OpenBlog(kTrips);
    Menu menu = View().BuildMenu(Menus::BlogTools);
    EXPECT_EQ(Texts(menu), (std::vector<std::string> { "Sync", "Add Photo...", "-", "Send Blog E-Mail...", "Post Remote Entry...", "-", "Show>", "Category>", "Manage>", "-", "Blog Prefs...", "-", "Exit" }));
    const Menu& show = Find(menu, "Show").submenu;
    EXPECT_EQ(Texts(show), (std::vector<std::string> { "All", "Pending", "Published" })) << "not a group blog";
    EXPECT_EQ(Checked(show), (std::vector<std::string> { "All" }));
    const Menu& category = Find(menu, "Category").submenu;
    EXPECT_EQ(Texts(category), (std::vector<std::string> { "All", "Beach", "Mountains", "Unfiled", "Edit Categories..." }));
    EXPECT_EQ(Find(category, "Mountains").command, Command::FirstCategory + 1);
    EXPECT_EQ(Texts(Find(menu, "Manage").submenu), (std::vector<std::string> { "Categorize Entries...", "Delete Entries...", "Purge Photos...", "Move Photos..." }));
    EXPECT_EQ(Texts(View().BuildMenu(Menus::EntryCellContext)), (std::vector<std::string> { "Edit Entry...", "Delete Entry...", "View Comments...", "Send Photo E-Mail...", "Post Remote Entry..." }));
    EXPECT_EQ(View().GetSoftKeys().leftText, "Camera");

    View().RunCommand(Command::ShowPublished);
    View().RunCommand(Command::FirstCategory);
    menu = View().BuildMenu(Menus::BlogTools);
    EXPECT_EQ(Checked(Find(menu, "Show").submenu), (std::vector<std::string> { "Published" }));
    EXPECT_EQ(Checked(Find(menu, "Category").submenu), (std::vector<std::string> { "Beach" }));
    EXPECT_EQ(Checked(View().BuildMenu(Menus::CategoryDropDown)), (std::vector<std::string> { "Beach" }));
    View().RunCommand(Command::CategoryUnfiled);
    EXPECT_EQ(Checked(View().BuildMenu(Menus::CategoryDropDown)), (std::vector<std::string> { "Unfiled" }));
}

TEST_F(MainViewTest, AGroupBlogOfAnotherOwnerOffersPublishedByMeButNoCategoryEditing)
{
    Start();
    View().OpenBlog(kFamily);
    Menu filters = View().BuildMenu(Menus::FilterDropDown);
    EXPECT_EQ(Texts(filters), (std::vector<std::string> { "All", "Pending", "Published", "Published By Me" }));
    EXPECT_EQ(Texts(View().BuildMenu(Menus::CategoryDropDown)), (std::vector<std::string> { "All", "Unfiled" }));
    View().RunCommand(Command::ShowPublishedByMe);
    EXPECT_EQ(surface.itemCount, 1u);
    EXPECT_EQ(View().GetDropDownText(Menus::FilterDropDown), "Published By Me");
}

TEST_F(MainViewTest, TheEntryMenuHoldsTheEntryCommands)
{
    Start();
    View().OpenBlog(kTrips);
    View().OpenEntry(0);
    EXPECT_EQ(Texts(View().BuildMenu(Menus::EntryTools)),
        (std::vector<std::string> { "Delete Entry...", "View Comments...", "Send Photo E-Mail...", "Post Remote Entry...", "-", "Download Photo...", "Purge Photo..." }));
    SoftKeys keys = View().GetSoftKeys();
    EXPECT_EQ(keys.leftText, "Edit");
    EXPECT_EQ(keys.leftCommand, Command::EditEntry);
    EXPECT_EQ(keys.rightMenu, Menus::EntryTools);
}
