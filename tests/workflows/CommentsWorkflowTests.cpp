#include "ScriptedDialogHost.h"
#include "ScriptedNetwork.h"
#include "TestBlog.h"

#include "app/Preferences.h"
#include "app/RelativeTime.h"
#include "workflows/AddCommentWorkflow.h"
#include "workflows/CommentCaption.h"
#include "workflows/CommentsWorkflow.h"
#include "workflows/ViewCommentWorkflow.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kEntryId = 5;
constexpr const char* kNoSelection = "You must select an item in the list before using this command.";

class Comments : public testing::Test {
protected:
    Comments()
    {
        EXPECT_TRUE(WriteServiceHost(u"127.0.0.1:9"));
        entry = &blog.AddEntry(kEntryId, 1000);
        blog.store->GetBlogInfo().SetCommentsAllowed(true);
        AddComment(kEntryId, 101, "First", "Ann", TestBlog::kOtherUserId, now - 7200);
        AddComment(kEntryId, 102, "Second\r\nline", "Me", TestBlog::kUserId, now - 600);
        AddComment(99, 103, "On another entry", "Bob", TestBlog::kOtherUserId, now - 300);
        AddComment(kEntryId, 104, "Third", "Bob", TestBlog::kOtherUserId, now - 30);
    }

    BlogComment& AddComment(std::uint32_t entryId, std::uint32_t id, const std::string& text, const std::string& author, std::uint32_t authorId,
        ProgramTime date)
    {
        auto comment = blog.store->NewComment();
        comment->SetEntryId(entryId);
        comment->SetCommentId(id);
        comment->SetText(text);
        comment->SetAuthorName(author);
        comment->SetAuthorId(authorId);
        comment->SetDate(date);
        return blog.store->InsertComment(std::move(comment));
    }

    CommentsWorkflow Workflow(CommentsWorkflow::ListStyle style = CommentsWorkflow::ListStyle::WholeComments)
    {
        return CommentsWorkflow(*blog.user, *blog.store, *entry, dialogs, &network, style);
    }

    static std::vector<std::string> Texts(const CommentsWorkflow& workflow)
    {
        std::vector<std::string> texts;
        for (auto& item : workflow.Items())
            texts.push_back(item.text);
        return texts;
    }

    void ScriptComment(std::string text)
    {
        dialogs.Script<AddCommentWorkflow>(DialogId::AddComment, [text](AddCommentWorkflow& add) {
            EXPECT_EQ(add.GetText(), "");
            add.SetText(text);
            return DialogResults::Ok;
        });
    }

    ProgramTime now = GetCurrentSeconds();
    TestBlog blog;
    BlogEntry* entry;
    ScriptedDialogHost dialogs;
    ScriptedNetwork network;
};

}

TEST(RelativeTime, CountsInTheLargestWholeUnitOfACalendarFrom1904)
{
    const ProgramTime now = 3'000'000'000u;
    EXPECT_EQ(RelativeTimeText(now - 59, now), "less than a minute ago");
    EXPECT_EQ(RelativeTimeText(now - 60, now), "1 minute ago");
    EXPECT_EQ(RelativeTimeText(now - 119, now), "1 minute ago");
    EXPECT_EQ(RelativeTimeText(now - (2 * 3600 + 59 * 60), now), "2 hours ago");
    EXPECT_EQ(RelativeTimeText(now - 3600, now), "1 hour ago");
    EXPECT_EQ(RelativeTimeText(now - 86400, now), "1 day ago");
    EXPECT_EQ(RelativeTimeText(now - 30 * 86400, now), "30 days ago");
    // January 1904 has 31 days, so 31 days are its first whole month.
    EXPECT_EQ(RelativeTimeText(now - 31 * 86400, now), "1 month ago");
    EXPECT_EQ(RelativeTimeText(now - 400 * 86400, now), "13 months ago");
    EXPECT_EQ(RelativeTimeText(now + 5000, now), "less than a minute ago") << "a date in the future";
}

TEST_F(Comments, OpeningListsTheEntrysCommentsOldestFirstAndSelectsTheLast)
{
    entry->SetNewComments(true);
    CommentsWorkflow workflow = Workflow();
    EXPECT_EQ(workflow.Open(), 2u);
    EXPECT_EQ(Texts(workflow), (std::vector<std::string> { "Ann (2 hours ago):\r\nFirst", "Me (10 minutes ago):\r\nSecond\r\nline", "Bob (less than a minute ago):\r\nThird" }));
    EXPECT_FALSE(entry->HasNewComments());
    EXPECT_TRUE(blog.WasSaved()) << "the cleared mark is kept";
    EXPECT_FALSE(blog.Reloaded()->GetEntries().GetAt(0)->HasNewComments());
    EXPECT_TRUE(workflow.CanAddAndDelete());
    EXPECT_FALSE(workflow.OffersView());
}

TEST_F(Comments, OpeningWithoutNewCommentsSavesNothing)
{
    CommentsWorkflow workflow = Workflow();
    (void)workflow.Open();
    EXPECT_FALSE(blog.WasSaved());
}

TEST_F(Comments, TheOneLineListShowsTextsAloneAndViewShowsTheWholeComment)
{
    CommentsWorkflow workflow = Workflow(CommentsWorkflow::ListStyle::OneLine);
    (void)workflow.Open();
    EXPECT_TRUE(workflow.OffersView());
    EXPECT_EQ(Texts(workflow), (std::vector<std::string> { "First", "Secondline", "Third" }));
    EXPECT_EQ(workflow.Items()[1].wholeText, "Me (10 minutes ago):\r\nSecond\r\nline") << "drawn with its header";
    std::string viewed;
    dialogs.Script<ViewCommentWorkflow>(DialogId::ViewComment, [&](ViewCommentWorkflow& view) {
        viewed = view.GetCaption();
        return DialogResults::Ok;
    });
    workflow.View(1);
    EXPECT_EQ(viewed, "Me (10 minutes ago):\r\nSecond\r\nline");
    workflow.View(std::nullopt);
    EXPECT_EQ(blog.Shown(), (std::vector<std::string> { kNoSelection }));
    EXPECT_EQ(blog.Interaction().ShownMessages()[0].icon, MessageIcon::Warning);
}

TEST_F(Comments, AnAddedCommentIsSentAtOnceAndSelected)
{
    CommentsWorkflow workflow = Workflow();
    (void)workflow.Open();
    ScriptComment("Nice!");
    network.takeComment = [](BlogComment& comment) {
        comment.SetCommentId(900);
        comment.SetAuthorName("Me");
        comment.SetPending(false);
    };
    std::optional<size_t> selected = workflow.Add(0);
    EXPECT_EQ(network.calls, (std::vector<std::string> { "StoreComment Nice!" }));
    ASSERT_EQ(selected, 3u);
    EXPECT_EQ(workflow.Items()[3].text, "Me (less than a minute ago):\r\nNice!");
    auto reloaded = blog.Reloaded();
    const BlogComment* saved = reloaded->FindCommentById(900);
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->GetEntryId(), kEntryId);
    EXPECT_FALSE(saved->IsPending());
    EXPECT_GE(saved->GetDate(), now);
    ASSERT_EQ(blog.Interaction().ProgressWindows().size(), 1u) << "sent under the progress window";
    EXPECT_TRUE(blog.Interaction().ProgressWindows()[0]->closed);
}

TEST_F(Comments, ACommentThatCannotBeSentWaitsAsNewForTheNextSync)
{
    network.result = Error::AlreadyReported;
    CommentsWorkflow workflow = Workflow();
    (void)workflow.Open();
    ScriptComment("");
    EXPECT_EQ(workflow.Add(std::nullopt), 3u) << "an empty comment is taken too";
    EXPECT_EQ(workflow.Items()[3].text, "-NEW- (less than a minute ago):\r\n");
    auto reloaded = blog.Reloaded();
    reloaded->SetCurrentEntry(kEntryId);
    ASSERT_EQ(reloaded->GetCurrentCommentCount(), 4u);
    const BlogComment* kept = reloaded->GetCurrentCommentAt(3);
    EXPECT_TRUE(kept->IsPending());
    EXPECT_EQ(kept->GetCommentId(), 0u);
    EXPECT_EQ(reloaded->GetFirstPendingComment(), kept);
}

TEST_F(Comments, WithoutTheServiceACommentIsKeptForTheNextSync)
{
    CommentsWorkflow workflow(*blog.user, *blog.store, *entry, dialogs, nullptr);
    (void)workflow.Open();
    ScriptComment("Later");
    EXPECT_EQ(workflow.Add(1), 3u);
    EXPECT_TRUE(blog.Interaction().ProgressWindows().empty());
    EXPECT_NE(blog.Reloaded()->GetFirstPendingComment(), nullptr);
}

TEST_F(Comments, CancellingTheAddDialogChangesNothing)
{
    CommentsWorkflow workflow = Workflow();
    (void)workflow.Open();
    dialogs.ScriptResult(DialogId::AddComment, DialogResults::Cancel);
    EXPECT_EQ(workflow.Add(1), 1u);
    EXPECT_EQ(workflow.Items().size(), 3u);
    EXPECT_TRUE(network.calls.empty());
    EXPECT_FALSE(blog.WasSaved());
}

TEST_F(Comments, DeletingQueuesTheCommentAndSelectsTheOneBefore)
{
    CommentsWorkflow workflow = Workflow();
    (void)workflow.Open();
    blog.Interaction().ScriptAnswer(true);
    EXPECT_EQ(workflow.Delete(1), 0u);
    EXPECT_EQ(blog.Shown(), (std::vector<std::string> { "Are you sure you want to delete the selected comment?" }));
    EXPECT_EQ(Texts(workflow).size(), 2u);
    auto reloaded = blog.Reloaded();
    EXPECT_EQ(reloaded->FindCommentById(102), nullptr);
    ASSERT_NE(reloaded->GetFirstDeletedComment(), nullptr);
    EXPECT_EQ(reloaded->GetFirstDeletedComment()->GetCommentId(), 102u) << "deleted on the web at the next sync";
}

TEST_F(Comments, DeletingTheFirstOfThreeSelectsTheNewFirst)
{
    // The user owns the blog, so others' comments are theirs to delete.
    CommentsWorkflow workflow = Workflow();
    (void)workflow.Open();
    blog.Interaction().ScriptAnswer(true);
    EXPECT_EQ(workflow.Delete(0), 0u);
    EXPECT_EQ(workflow.Items()[0].comment->GetCommentId(), 102u);
    blog.Interaction().ScriptAnswer(true);
    blog.Interaction().ScriptAnswer(true);
    (void)workflow.Delete(1);
    EXPECT_EQ(workflow.Delete(0), std::nullopt) << "an empty list selects nothing";
}

TEST_F(Comments, DeletingAsksFirstAndNeedsASelectionAndPermission)
{
    // A blog the user reads: only the user's own comments may go.
    blog.store->GetBlogInfo().SetOwnerId(TestBlog::kOtherUserId);
    blog.store->GetBlogInfo().SetReadOnly(true);
    CommentsWorkflow workflow = Workflow();
    (void)workflow.Open();
    EXPECT_EQ(workflow.Delete(std::nullopt), std::nullopt);
    EXPECT_EQ(workflow.Delete(0), 0u);
    blog.Interaction().ScriptAnswer(false);
    EXPECT_EQ(workflow.Delete(1), 1u) << "No keeps it";
    EXPECT_EQ(blog.Shown(), (std::vector<std::string> { kNoSelection, "You don't have permission to delete the selected comment.", "Are you sure you want to delete the selected comment?" }));
    EXPECT_EQ(workflow.Items().size(), 3u);
    EXPECT_FALSE(blog.WasSaved());
}

TEST_F(Comments, ABlogWithoutCommentsOffersNeitherAddNorDelete)
{
    blog.store->GetBlogInfo().SetCommentsAllowed(false);
    CommentsWorkflow workflow = Workflow();
    (void)workflow.Open();
    EXPECT_FALSE(workflow.CanAddAndDelete());
    EXPECT_EQ(workflow.Add(0), 0u);
    EXPECT_EQ(dialogs.TimesOpened(DialogId::AddComment), 0u);
}

TEST(CommentCaption, ANewCommentIsHeadedNewAndTheOneLineFormDropsLineBreaks)
{
    TestBlog blog;
    auto comment = blog.store->NewComment();
    comment->SetText("a\r\nb\nc");
    comment->SetDate(GetCurrentSeconds() - 3 * 86400);
    EXPECT_EQ(CommentCaption(*comment, true, GetCurrentSeconds()), "-NEW- (3 days ago):\r\na\r\nb\nc");
    EXPECT_EQ(CommentCaption(*comment, false, GetCurrentSeconds()), "abc");
}
