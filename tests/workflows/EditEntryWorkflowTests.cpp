#include "ScriptedNetwork.h"
#include "TestBlog.h"

#include "app/Preferences.h"
#include "workflows/EditEntryWorkflow.h"

#include <gtest/gtest.h>

namespace {

// 2021-06-01 12:30:15 and the days around it, as program time.
ProgramTime At(int day, int hour, int minute, int second = 0)
{
    ProgramTime time = 0;
    EXPECT_TRUE(ProgramTimeFromWallClock({ 2021, 6, day, hour, minute, second }, time));
    return time;
}

std::vector<std::u16string> Texts(const EditEntryWorkflow& workflow)
{
    std::vector<std::u16string> texts;
    for (auto& item : workflow.CategoryList())
        texts.push_back(item.text);
    return texts;
}

class EditEntry : public testing::Test {
protected:
    EditEntry()
    {
        blog.AddCategory(11, "Sea");
        blog.AddCategory(10, "Mountains");
        first = &blog.AddEntry(1, At(3, 9, 0));
        middle = &blog.AddEntry(2, At(2, 12, 30, 15), 11);
        last = &blog.AddEntry(3, At(1, 18, 0));
        middle->SetCaption("Waves");
    }

    TestBlog blog;
    BlogEntry* first;
    BlogEntry* middle;
    BlogEntry* last;
};

}

TEST_F(EditEntry, OpensWithTheEntrysFieldsAndTheBlogsCategories)
{
    EditEntryWorkflow dialog(*blog.user, *blog.store, *middle, false, nullptr);
    auto controls = dialog.Opening();
    EXPECT_EQ(controls.date.day, 2);
    EXPECT_EQ(controls.time.hour, 12);
    EXPECT_EQ(controls.time.second, 15);
    EXPECT_EQ(controls.title, u"entry 2");
    EXPECT_EQ(controls.caption, u"Waves");
    EXPECT_EQ(Texts(dialog), (std::vector<std::u16string> { u"Mountains", u"Sea", u"Unfiled", u"Edit Categories..." }));
    EXPECT_EQ(controls.category, 1u);
    EXPECT_EQ(dialog.GetSyncButton(), EditEntryWorkflow::SyncButton::Disabled) << "no service to send through";
    ScriptedNetwork network;
    EXPECT_EQ(EditEntryWorkflow(*blog.user, *blog.store, *middle, false, &network).GetSyncButton(), EditEntryWorkflow::SyncButton::Enabled);

    // Id 0 chooses "Unfiled", not the editor's item that carries 0 too.
    EXPECT_EQ(EditEntryWorkflow(*blog.user, *blog.store, *first, false, nullptr).Opening().category, 2u);
}

TEST_F(EditEntry, OkWithoutChangesNeitherMarksTheEntryNorSaves)
{
    EditEntryWorkflow dialog(*blog.user, *blog.store, *middle, false, nullptr);
    EXPECT_EQ(dialog.Ok(dialog.Opening()), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_FALSE(middle->IsPending());
    EXPECT_FALSE(blog.WasSaved());
    EXPECT_TRUE(blog.Shown().empty());
}

TEST_F(EditEntry, ChangingTheTimeOfDayMovesTheEntryInTheDateOrder)
{
    EditEntryWorkflow dialog(*blog.user, *blog.store, *middle, false, nullptr);
    auto controls = dialog.Opening();
    controls.time = { 1999, 1, 1, 10, 0, 0 }; // only the picker's time of day counts
    controls.date.hour = 23;                  // only the picker's date counts
    EXPECT_TRUE(dialog.Ok(controls).closes);
    EXPECT_EQ(middle->GetPostDate(), At(2, 10, 0));
    EXPECT_TRUE(middle->IsPending());
    ASSERT_TRUE(blog.WasSaved());

    controls.date.day = 4;
    EditEntryWorkflow(*blog.user, *blog.store, *middle, false, nullptr).Ok(controls);
    EXPECT_EQ(blog.store->GetEntries().GetAt(0), middle) << "now the newest";
    EXPECT_EQ(blog.Reloaded()->GetEntries().GetAt(0)->GetServerId(), 2u);
}

TEST_F(EditEntry, TitleCaptionAndCategoryChangesAreSaved)
{
    EditEntryWorkflow dialog(*blog.user, *blog.store, *middle, false, nullptr);
    auto controls = dialog.Opening();
    controls.title = u"Big waves";
    controls.caption = u"Line one\r\nLine two";
    controls.category = 0;
    EXPECT_TRUE(dialog.Ok(controls).closes);
    auto reloaded = blog.Reloaded();
    BlogEntry* saved = reloaded->FindEntryByServerId(2);
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->GetTitle(), "Big waves");
    EXPECT_EQ(saved->GetCaption(), "Line one\r\nLine two");
    EXPECT_EQ(saved->GetCategoryId(), 10u);
    EXPECT_TRUE(saved->IsPending());
}

TEST_F(EditEntry, FieldsPastTheirLimitsKeepTheDialogOpenUnchanged)
{
    // A title the service sent may be longer than the field allows.
    middle->SetTitle(std::string(60, 't'));
    EditEntryWorkflow dialog(*blog.user, *blog.store, *middle, false, nullptr);
    auto controls = dialog.Opening();
    DialogOutcome outcome = dialog.Ok(controls);
    EXPECT_FALSE(outcome.closes);
    EXPECT_EQ(outcome.faultyField, EditEntryWorkflow::kTitleField);
    EXPECT_EQ(blog.Shown(), std::vector<std::string> { "Please enter no more than 49 characters." });

    controls.title = std::u16string(49, u't');
    controls.caption = std::u16string(8000, u'c');
    EXPECT_EQ(dialog.Ok(controls).faultyField, EditEntryWorkflow::kCaptionField);
    EXPECT_EQ(blog.Shown().back(), "Please enter no more than 7999 characters.");
    EXPECT_EQ(middle->GetTitle(), std::string(60, 't'));

    controls.caption.pop_back();
    EXPECT_TRUE(dialog.Ok(controls).closes);
    EXPECT_EQ(middle->GetCaption().size(), 7999u);
}

TEST_F(EditEntry, AnotherMembersEntryIsShownButNeverChanged)
{
    blog.store->GetBlogInfo().SetGroupBlog(1);
    blog.store->GetBlogInfo().SetOwnerId(TestBlog::kOtherUserId);
    middle->SetPosterId(TestBlog::kOtherUserId);
    EditEntryWorkflow dialog(*blog.user, *blog.store, *middle, false, nullptr);
    EXPECT_TRUE(dialog.IsReadOnly());
    EXPECT_EQ(dialog.GetSyncButton(), EditEntryWorkflow::SyncButton::Hidden);
    EXPECT_EQ(Texts(dialog).back(), u"Unfiled") << "no \"Edit Categories...\"";
    EXPECT_FALSE(dialog.OpensCategoryEditor(2));

    auto controls = dialog.Opening();
    controls.title = u"Mine now";
    controls.category = 2;
    EXPECT_EQ(dialog.Ok(controls), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_EQ(blog.Shown(), std::vector<std::string> { "You cannot edit this blog entry. You may only edit entries that you posted. This entry was posted by another user." });
    EXPECT_EQ(middle->GetTitle(), "entry 2");
    EXPECT_EQ(middle->GetCategoryId(), 11u);
    EXPECT_FALSE(middle->IsPending());
    EXPECT_FALSE(blog.WasSaved());

    // Its Sync, were it pressed, changes and sends nothing either.
    ScriptedNetwork network;
    middle->SetPending(true);
    EditEntryWorkflow syncing(*blog.user, *blog.store, *middle, false, &network);
    EXPECT_EQ(syncing.GetSyncButton(), EditEntryWorkflow::SyncButton::Hidden);
    EXPECT_EQ(syncing.Sync(controls), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_TRUE(network.calls.empty());
    EXPECT_EQ(middle->GetTitle(), "entry 2");
}

TEST_F(EditEntry, ABlogTheUserMayNotChangeGivesItsOwnMessage)
{
    blog.store->GetBlogInfo().SetCanAddPhotos(false);
    EditEntryWorkflow dialog(*blog.user, *blog.store, *middle, false, nullptr);
    auto controls = dialog.Opening();
    controls.caption = u"Calm";
    EXPECT_TRUE(dialog.Ok(controls).closes);
    EXPECT_EQ(blog.Shown(), std::vector<std::string> { "You do not have permission to edit this blog." });
    EXPECT_EQ(middle->GetCaption(), "Waves");
}

TEST_F(EditEntry, DeleteUsesTheReadOnlyAndNeverPublishedFlags)
{
    EditEntryWorkflow dialog(*blog.user, *blog.store, *middle, true, nullptr);
    DeleteEntriesWorkflow deletion = dialog.DeleteDialog();
    EXPECT_TRUE(deletion.IsSingle());
    EXPECT_FALSE(deletion.HasNoWebChoice());
    EXPECT_TRUE(deletion.IsNotOnWeb());
    EXPECT_FALSE(deletion.GetTexts().showWebChoice);

    EditEntryWorkflow other(*blog.user, *blog.store, *first, false, nullptr);
    EXPECT_EQ(other.Delete({ true, false }), DialogOutcome::Close(DialogResults::EntryDeleted));
    EXPECT_EQ(blog.store->FindEntryByServerId(1), nullptr);
    EXPECT_EQ(blog.Reloaded()->GetDeletedEntries().GetSize(), 1u);
}

TEST_F(EditEntry, EditingCategoriesKeepsWhatWasTypedAndChoosesTheStoredCategory)
{
    int rebuilt = 0;
    EditEntryWorkflow dialog(*blog.user, *blog.store, *middle, false, nullptr);
    dialog.SetCategoriesChangedHandler([&] { ++rebuilt; });
    EXPECT_TRUE(dialog.OpensCategoryEditor(3));
    EXPECT_FALSE(dialog.OpensCategoryEditor(2));

    auto typed = dialog.Opening();
    typed.title = u"Typed title";
    typed.caption = u"Typed caption";
    typed.date.day = 9;
    typed.category = 3;
    // What the category editor did to the store meanwhile.
    blog.AddCategory(12, "Lakes");
    auto controls = dialog.CategoriesEdited(typed);
    EXPECT_EQ(rebuilt, 1);
    EXPECT_EQ(Texts(dialog), (std::vector<std::u16string> { u"Lakes", u"Mountains", u"Sea", u"Unfiled", u"Edit Categories..." }));
    EXPECT_EQ(controls.category, 2u);
    EXPECT_EQ(controls.title, u"Typed title");
    EXPECT_EQ(controls.caption, u"Typed caption");
    EXPECT_EQ(controls.date.day, 9);
}

namespace {

// The Sync button over scripted operations; the service host is a loopback
// port, so that the connection comes up.
class EditEntrySync : public EditEntry {
protected:
    EditEntrySync()
    {
        EXPECT_TRUE(WriteServiceHost(u"127.0.0.1:9"));
        blog.store->GetBlogInfo().SetUrlName("trips");
    }

    DialogOutcome SyncWithTitle(const std::u16string& title)
    {
        EditEntryWorkflow dialog(*blog.user, *blog.store, *middle, false, &network);
        auto controls = dialog.Opening();
        controls.title = title;
        return dialog.Sync(controls);
    }

    ScriptedNetwork network;
};

}

TEST_F(EditEntrySync, AChangedEntryIsSavedThenSentUnderTheBlogsName)
{
    network.during = [this](ProgressWindow&) {
        EXPECT_TRUE(middle->IsPending());
        EXPECT_EQ(blog.Reloaded()->FindEntryByServerId(2)->GetTitle(), "Calm sea") << "saved before it is sent";
    };
    EXPECT_EQ(SyncWithTitle(u"Calm sea"), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_EQ(network.calls, (std::vector<std::string> { "SyncBlog entry" }));
    ASSERT_EQ(blog.Interaction().ProgressWindows().size(), 1u);
    auto& window = *blog.Interaction().ProgressWindows()[0];
    EXPECT_EQ(window.lines.size(), 3u);
    EXPECT_EQ(window.lines[0], "trips");
    EXPECT_TRUE(window.shown);
    EXPECT_TRUE(window.closed);
    EXPECT_TRUE(blog.Shown().empty());
}

TEST_F(EditEntrySync, OnlyAPendingEntryIsSentAndOnlyASyncedBlogIsSavedAgain)
{
    EditEntryWorkflow dialog(*blog.user, *blog.store, *middle, false, &network);
    EXPECT_EQ(dialog.Sync(dialog.Opening()), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_TRUE(network.calls.empty()) << "nothing to send";
    EXPECT_TRUE(blog.Interaction().ProgressWindows().empty());
    EXPECT_FALSE(blog.WasSaved());

    // Changed before and not yet sent: Sync sends it though nothing changes now.
    middle->SetPending(true);
    network.result = Error::AlreadyReported;
    EXPECT_EQ(dialog.Sync(dialog.Opening()), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_EQ(network.calls, (std::vector<std::string> { "SyncBlog entry" }));
    EXPECT_FALSE(blog.WasSaved()) << "a failed sync leaves the file alone";
    network.result = Error::Success;
    EXPECT_TRUE(dialog.Sync(dialog.Opening()).closes);
    EXPECT_EQ(network.calls.size(), 2u);
    EXPECT_TRUE(blog.WasSaved());
}

TEST_F(EditEntrySync, AFieldPastItsLimitKeepsTheDialogOpenAndSendsNothing)
{
    middle->SetPending(true);
    DialogOutcome outcome = SyncWithTitle(std::u16string(50, u't'));
    EXPECT_EQ(outcome, DialogOutcome::Stay(EditEntryWorkflow::kTitleField));
    EXPECT_TRUE(network.calls.empty());
    EXPECT_EQ(middle->GetTitle(), "entry 2");
}

TEST_F(EditEntrySync, WithoutAConnectionTheChangeStaysForTheNextSync)
{
    // A broadcast address: the route probe is refused, as on a device
    // without a network.
    ASSERT_TRUE(WriteServiceHost(u"255.255.255.255:80"));
    EXPECT_EQ(SyncWithTitle(u"Calm sea"), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_TRUE(network.calls.empty());
    ASSERT_EQ(blog.Shown().size(), 1u);
    EXPECT_EQ(blog.Shown()[0].rfind("Vellumbrix was unable to establish a connection (0x", 0), 0u) << blog.Shown()[0];
    EXPECT_FALSE(blog.Interaction().ProgressWindows().at(0)->shown);
    auto reloaded = blog.Reloaded();
    BlogEntry* saved = reloaded->FindEntryByServerId(2);
    EXPECT_EQ(saved->GetTitle(), "Calm sea");
    EXPECT_TRUE(saved->IsPending());
}

TEST_F(EditEntrySync, ACancelWhileConnectingSendsNothingAndSaysNothing)
{
    blog.Interaction().ScriptCancelAfter(0);
    EXPECT_EQ(SyncWithTitle(u"Calm sea"), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_TRUE(network.calls.empty());
    EXPECT_TRUE(blog.Shown().empty());
    EXPECT_TRUE(blog.Reloaded()->FindEntryByServerId(2)->IsPending());
}
