#include "DialogTestKit.h"
#include "QtTestEnvironment.h"
#include "workflows/TestBlog.h"

#include "dialogs/CAddCommentDlg.h"
#include "dialogs/CCommentsDlg.h"
#include "dialogs/CCommentsListBox.h"
#include "dialogs/CViewCommentDlg.h"
#include "dialogs/LimitedTextEdit.h"
#include "dialogs/QtDialogHost.h"
#include "platform/Clock.h"
#include "workflows/AddCommentWorkflow.h"
#include "workflows/CommentsWorkflow.h"
#include "workflows/ViewCommentWorkflow.h"

#include <QImage>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A published entry of the user's blog with three comments: one of a few
// lines, one long enough to wrap, one short.
class CommentDialogs : public testing::Test {
protected:
    CommentDialogs()
    {
        blog.store->GetBlogInfo().SetCommentsAllowed(true);
        entry = &blog.AddEntry(7, 1000);
        ProgramTime now = GetCurrentSeconds();
        AddComment(201, "Ann", "What a view!\r\nWhere was this taken?\r\nI want to go.", now - 3 * 86400);
        AddComment(202, "Bob", "The light on the water in the late afternoon is exactly what makes this one work so well.", now - 5 * 3600);
        AddComment(203, "Me", "Thanks!", now - 120);
    }

    void AddComment(std::uint32_t id, const std::string& author, const std::string& text, ProgramTime date)
    {
        auto comment = blog.store->NewComment();
        comment->SetEntryId(7);
        comment->SetCommentId(id);
        comment->SetAuthorName(author);
        comment->SetAuthorId(id == 203 ? TestBlog::kUserId : TestBlog::kOtherUserId);
        comment->SetText(text);
        comment->SetDate(date);
        blog.store->InsertComment(std::move(comment));
    }

    TestBlog blog;
    BlogEntry* entry;
    QtDialogHost host;
};

// The colour at the middle of the left margin of a list row.
QColor RowBackground(CCommentsListBox& list, int row)
{
    QImage image = list.viewport()->grab().toImage();
    QRect rect = list.visualItemRect(list.item(row));
    return image.pixelColor(1, rect.center().y());
}

}

TEST_F(CommentDialogs, TheListDrawsWholeCommentsAsHighAsTheyWrap)
{
    CommentsWorkflow workflow(*blog.user, *blog.store, *entry, host, nullptr);
    CCommentsDlg dialog(workflow);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Comments");
    auto* list = Find<CCommentsListBox>(dialog, "commentList");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->currentRow(), 2) << "the last one chosen";
    EXPECT_EQ(list->item(0)->text(), "Ann (3 days ago):\nWhat a view!\nWhere was this taken?\nI want to go.");
    EXPECT_EQ(list->item(1)->text().left(19), "Bob (5 hours ago):\n");
    EXPECT_EQ(list->item(2)->text(), "Me (2 minutes ago):\nThanks!");
    EXPECT_FALSE(FindButton(dialog, "View...")->isVisible()) << "the list shows whole comments";
    EXPECT_TRUE(FindButton(dialog, "Add...")->isEnabled());

    int fourLines = list->visualItemRect(list->item(0)).height();
    int wrapped = list->visualItemRect(list->item(1)).height();
    int twoLines = list->visualItemRect(list->item(2)).height();
    EXPECT_GT(fourLines, twoLines);
    EXPECT_GT(wrapped, twoLines) << "a long line wraps to the list's width";
    EXPECT_EQ(RowBackground(*list, 0), QColor(Qt::white));
    EXPECT_EQ(RowBackground(*list, 2), list->palette().highlight().color());
    SaveScreenshot(dialog, "CCommentsDlg");
}

TEST_F(CommentDialogs, AddingOpensTheAddDialogAndShowsTheNewComment)
{
    CommentsWorkflow workflow(*blog.user, *blog.store, *entry, host, nullptr);
    CCommentsDlg dialog(workflow);
    WhenModalOpens([&](QWidget* adding) {
        EXPECT_EQ(adding->windowTitle(), "Add Comment");
        auto* field = Find<LimitedTextEdit>(*adding, "commentField");
        EXPECT_EQ(adding->focusWidget(), field);
        field->SetText(u"Me too\nreally");
        SaveScreenshot(*adding, "CAddCommentDlg");
        Click(*adding, "Add");
    });
    Click(dialog, "Add...");
    auto* list = Find<CCommentsListBox>(dialog, "commentList");
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->currentRow(), 3);
    EXPECT_EQ(list->item(3)->text(), "-NEW- (less than a minute ago):\nMe too\nreally");
    EXPECT_NE(blog.Reloaded()->GetFirstPendingComment(), nullptr) << "kept for the next sync";
}

TEST_F(CommentDialogs, DeletingAsksAndSelectsTheItemBefore)
{
    CommentsWorkflow workflow(*blog.user, *blog.store, *entry, host, nullptr);
    CCommentsDlg dialog(workflow);
    auto* list = Find<CCommentsListBox>(dialog, "commentList");
    list->setCurrentRow(1);
    blog.Interaction().ScriptAnswer(true);
    Click(dialog, "Delete...");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(blog.Shown(), (std::vector<std::string> { "Are you sure you want to delete the selected comment?" }));
    Click(dialog, "Done");
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
}

TEST_F(CommentDialogs, WithoutCommentsAllowedAddAndDeleteAreDisabled)
{
    blog.store->GetBlogInfo().SetCommentsAllowed(false);
    CommentsWorkflow workflow(*blog.user, *blog.store, *entry, host, nullptr, CommentsWorkflow::ListStyle::OneLine);
    CCommentsDlg dialog(workflow);
    dialog.show();
    EXPECT_FALSE(FindButton(dialog, "Add...")->isEnabled());
    EXPECT_FALSE(FindButton(dialog, "Delete...")->isEnabled());
    EXPECT_TRUE(FindButton(dialog, "View...")->isVisible());
    EXPECT_EQ(Find<CCommentsListBox>(dialog, "commentList")->item(0)->text(), "What a view!Where was this taken?I want to go.");
}

TEST(CommentDialog, ViewShowsTheWholeCommentFromItsStartAndF6Closes)
{
    ViewCommentWorkflow workflow("Ann (3 days ago):\r\nWhat a view!");
    CViewCommentDlg dialog(workflow);
    EXPECT_EQ(dialog.windowTitle(), "View Comment");
    auto* field = Find<LimitedTextEdit>(dialog, "commentField");
    EXPECT_TRUE(field->isReadOnly());
    EXPECT_EQ(field->Text(), u"Ann (3 days ago):\r\nWhat a view!");
    EXPECT_EQ(field->textCursor().position(), 0);
    SaveScreenshot(dialog, "CViewCommentDlg");
    QTest::keyRelease(field, Qt::Key_F6);
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
}

TEST(CommentDialog, AddTakesAnyTextAndF6ActsAsAdd)
{
    AddCommentWorkflow workflow;
    CAddCommentDlg dialog(workflow);
    auto* field = Find<LimitedTextEdit>(dialog, "commentField");
    field->SetText(std::u16string(9000, u'a'));
    EXPECT_EQ(field->Text().size(), 9000u) << "no limit";
    QTest::keyRelease(field, Qt::Key_F6);
    EXPECT_EQ(dialog.result(), DialogResults::Ok);
    EXPECT_EQ(workflow.GetText().size(), 9000u);

    AddCommentWorkflow cancelled;
    CAddCommentDlg second(cancelled);
    Find<LimitedTextEdit>(second, "commentField")->SetText(u"never mind");
    Click(second, "Cancel");
    EXPECT_EQ(cancelled.GetText(), "");
}
