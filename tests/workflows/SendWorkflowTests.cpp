#include "ScriptedNetwork.h"
#include "TestBlog.h"

#include "app/Preferences.h"
#include "platform/CodePage.h"
#include "workflows/PhotoEmailWorkflow.h"
#include "workflows/PostRemoteEntryWorkflow.h"

#include <gtest/gtest.h>

namespace {

constexpr SendSubject kEntrySubject { 501, 11 };
constexpr SendSubject kBlogSubject { 501, 0 };

class Sending : public testing::Test {
protected:
    Sending()
    {
        EXPECT_TRUE(WriteServiceHost(u"127.0.0.1:9"));
        std::string names[] = { "Travel Log", "Work Notes", "Ünïcode blog" };
        blog.user->SetRemoteBlogNames(names);
    }

    PostRemoteEntryWorkflow Post(SendSubject subject = kEntrySubject)
    {
        return PostRemoteEntryWorkflow(*blog.user, *blog.store, subject, "Dunes", "Windy\r\nday", &network);
    }

    TestBlog blog;
    ScriptedNetwork network;
};

}

TEST_F(Sending, ThePhotoEmailSaysWhatItLinksTo)
{
    EXPECT_EQ(PhotoEmailWorkflow(*blog.user, *blog.store, kEntrySubject, &network).SendingText(), "Photo Link");
    EXPECT_EQ(PhotoEmailWorkflow(*blog.user, *blog.store, kBlogSubject, &network).SendingText(), "Blog Link");
}

TEST_F(Sending, ChosenContactsAreJoinedByACommaAndABlank)
{
    std::u16string recipients = PhotoEmailWorkflow::WithRecipient(u"", u"ann@example.com");
    recipients = PhotoEmailWorkflow::WithRecipient(recipients, u"bob@example.com");
    EXPECT_EQ(recipients, u"ann@example.com, bob@example.com");
}

TEST_F(Sending, APhotoEmailNeedsRecipientsAndGoesAsTyped)
{
    PhotoEmailWorkflow workflow(*blog.user, *blog.store, kEntrySubject, &network);
    EXPECT_EQ(workflow.Send(u"", u"Hi"), DialogOutcome::Stay(PhotoEmailWorkflow::kRecipientsField));
    EXPECT_EQ(workflow.Send(u" \r\n ", u"Hi"), DialogOutcome::Stay(PhotoEmailWorkflow::kRecipientsField));
    EXPECT_EQ(blog.Shown(), (std::vector<std::string>(2, "You need to enter at least one valid email address.")));
    EXPECT_EQ(blog.Interaction().ShownMessages()[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(network.calls.empty());

    EXPECT_EQ(workflow.Send(u"not an address; b@x", u"Sieh mal – schön"), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_EQ(network.calls, (std::vector<std::string> { "SendPhotoEmail 501/11 to not an address; b@x: Sieh mal – schön" }));
    ASSERT_EQ(blog.Interaction().ProgressWindows().size(), 1u);
    EXPECT_TRUE(blog.Interaction().ProgressWindows()[0]->closed);
}

TEST_F(Sending, AFailedMailStillClosesTheDialog)
{
    network.result = Error::AlreadyReported;
    PhotoEmailWorkflow workflow(*blog.user, *blog.store, kBlogSubject, &network);
    EXPECT_EQ(workflow.Send(u"a@example.com", u""), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_EQ(network.calls, (std::vector<std::string> { "SendPhotoEmail 501/0 to a@example.com: " }));
    EXPECT_TRUE(blog.Shown().empty()) << "the service has shown why";
}

TEST_F(Sending, TheRememberedRemoteBlogIsChosenWhateverItsCase)
{
    ASSERT_TRUE(WriteLastRemoteBlog(u"work NOTES"));
    PostRemoteEntryWorkflow::Controls opening = Post().Opening();
    EXPECT_EQ(opening.remoteBlog, 1u);
    EXPECT_EQ(opening.title, u"Dunes");
    EXPECT_EQ(opening.text, u"Windy\r\nday");
    ASSERT_TRUE(WriteLastRemoteBlog(u"Gone Blog"));
    EXPECT_EQ(Post().Opening().remoteBlog, 0u) << "a remote blog that no longer exists gives the first";
}

TEST_F(Sending, PublishingRemembersTheRemoteBlogAndPosts)
{
    PostRemoteEntryWorkflow workflow = Post(kBlogSubject);
    PostRemoteEntryWorkflow::Controls controls = workflow.Opening();
    controls.remoteBlog = 2;
    controls.title = u"Trips";
    EXPECT_EQ(workflow.Publish(controls), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_EQ(ReadLastRemoteBlog(), u"Ünïcode blog");
    EXPECT_EQ(network.calls, (std::vector<std::string> { "PostToRemoteBlog 501/0 to Ünïcode blog: Trips / Windy\r\nday" }));
}

TEST_F(Sending, APostPastItsLimitsOrWithoutABlogStays)
{
    ASSERT_TRUE(WriteLastRemoteBlog(u"Travel Log"));
    PostRemoteEntryWorkflow workflow = Post();
    PostRemoteEntryWorkflow::Controls controls = workflow.Opening();
    controls.title = std::u16string(50, u't');
    EXPECT_EQ(workflow.Publish(controls), DialogOutcome::Stay(PostRemoteEntryWorkflow::kTitleField));
    controls.title = std::u16string(49, u't');
    controls.text = std::u16string(8000, u'x');
    EXPECT_EQ(workflow.Publish(controls), DialogOutcome::Stay(PostRemoteEntryWorkflow::kTextField));
    EXPECT_EQ(blog.Shown(), (std::vector<std::string> { "Please enter no more than 49 characters.", "Please enter no more than 7999 characters." }));
    controls.text.clear();
    controls.remoteBlog.reset();
    EXPECT_FALSE(workflow.Publish(controls).closes);
    EXPECT_TRUE(network.calls.empty());
    EXPECT_EQ(ReadLastRemoteBlog(), u"Travel Log") << "nothing was posted";
}
