// The comments, photo e-mail, remote post and edit entry dialogs' workflows
// sending to the reference service on 127.0.0.1, and to a scripted server
// for the failures the reference service does not make.

#include "../server/ServerTestKit.h"
#include "ScriptedDialogHost.h"
#include "workflows/ServiceNetworkOperations.h"
#include "TestBlog.h"
#include "support/HttpTestServer.h"

#include "app/ErrorTable.h"
#include "app/Preferences.h"
#include "platform/CodePage.h"
#include "workflows/AddCommentWorkflow.h"
#include "workflows/CommentsWorkflow.h"
#include "workflows/EditEntryWorkflow.h"
#include "workflows/PhotoEmailWorkflow.h"
#include "workflows/PostRemoteEntryWorkflow.h"

#include <gtest/gtest.h>

namespace {

const TestAccount kOwner { "owner@example.com", "s3cret" };

// A device whose blog "trips" holds one entry that the service has too.
class ReferenceSends : public testing::Test {
protected:
    ReferenceSends()
    {
        reference.AddUser(kOwner.email, kOwner.password);
        EXPECT_EQ(reference.Admin({ "add-remote-blog", kOwner.email, "Travel Log" }), 0);
        web.CreateBlog("trips", "Trips");
        category = web.AddCategory("trips", "Beach");
        entryId = web.AddEntry("trips", "Dunes", TestJpeg(64, 48), category);
        userId = static_cast<std::uint32_t>(std::stoul("0" + web.Send("GU", std::nullopt, "").Value("UI")));
        EXPECT_NE(userId, 0u);

        EXPECT_TRUE(WriteServiceHost(Utf8ToUtf16(reference.Host())));
        blog.user->SetEmail(kOwner.email);
        blog.user->SetPassword(kOwner.password);
        blog.user->SetUserId(userId);
        blog.store->SetUserId(userId);
        blog.store->GetBlogInfo().SetOwnerId(userId);
        blog.store->GetBlogInfo().SetUrlName("trips");
        blog.store->GetBlogInfo().SetCommentsAllowed(true);
        std::string remoteBlogs[] = { "Travel Log" };
        blog.user->SetRemoteBlogNames(remoteBlogs);
        entry = &blog.AddEntry(entryId, 1000, category, userId);
    }

    std::optional<size_t> AddComment(const std::string& text)
    {
        dialogs.Script<AddCommentWorkflow>(DialogId::AddComment, [text](AddCommentWorkflow& add) {
            add.SetText(text);
            return DialogResults::Ok;
        });
        CommentsWorkflow workflow(*blog.user, *blog.store, *entry, dialogs, &network);
        (void)workflow.Open();
        return workflow.Add(std::nullopt);
    }

    // The entry's Sync in the edit dialog, with the title as typed.
    DialogOutcome SyncEntry(const std::u16string& title)
    {
        EditEntryWorkflow dialog(*blog.user, *blog.store, *entry, false, &network);
        auto controls = dialog.Opening();
        controls.title = title;
        return dialog.Sync(controls);
    }

    // The entry's title as the service holds it.
    std::string TitleOnTheWeb()
    {
        for (auto& record : web.GetChanges("trips").Records("PI")) {
            if (record["ID"] == std::to_string(entryId))
                return record["TI"];
        }
        return "(not on the web)";
    }

    std::string Outbox()
    {
        std::string listing;
        EXPECT_EQ(reference.Admin({ "list-outbox" }, &listing), 0);
        return listing;
    }

    ServiceUnderTest reference;
    Device web { reference, kOwner };
    std::uint32_t category { 0 };
    std::uint32_t entryId { 0 };
    std::uint32_t userId { 0 };
    TestBlog blog;
    BlogEntry* entry { nullptr };
    ScriptedDialogHost dialogs;
    ServiceNetworkOperations network;
};

}

TEST_F(ReferenceSends, AnAddedCommentReachesTheWebAtOnce)
{
    EXPECT_EQ(AddComment("Lovely <light> & sand"), 0u);
    EXPECT_TRUE(blog.Shown().empty());
    auto reloaded = blog.Reloaded();
    reloaded->SetCurrentEntry(entryId);
    ASSERT_EQ(reloaded->GetCurrentCommentCount(), 1u);
    const BlogComment* comment = reloaded->GetCurrentCommentAt(0);
    EXPECT_NE(comment->GetCommentId(), 0u);
    EXPECT_FALSE(comment->IsPending());
    EXPECT_EQ(comment->GetAuthorId(), userId);
    EXPECT_FALSE(comment->GetAuthorName().empty()) << "the service names the author";

    auto comments = web.GetChanges("trips").Records("OM");
    ASSERT_EQ(comments.size(), 1u);
    EXPECT_EQ(comments[0]["OT"], "Lovely <light> & sand");
    EXPECT_EQ(comments[0]["OI"], std::to_string(comment->GetCommentId()));
}

// A refusal of the comment's permission is the comment's edit code: the
// comment stays on the device but is no longer sent, and the next sync
// asks for the whole blog, which settles it with the service.
TEST_F(ReferenceSends, ACommentTheServiceRefusesIsShownOnceAndKeptButNotSentAgain)
{
    ASSERT_EQ(reference.Admin({ "set-comments", "trips", "off" }), 0);
    // Another user's blog: comments off means only the owner may comment.
    reference.AddUser("guest@example.com", "pw");
    blog.user->SetEmail("guest@example.com");
    blog.user->SetPassword("pw");
    (void)AddComment("Let me in");
    EXPECT_EQ(blog.Shown(), (std::vector<std::string> { "You do not have permission to add comments to this blog." }));
    auto reloaded = blog.Reloaded();
    EXPECT_EQ(reloaded->GetFirstPendingComment(), nullptr);
    reloaded->SetCurrentEntry(entryId);
    ASSERT_EQ(reloaded->GetCurrentCommentCount(), 1u);
    EXPECT_EQ(reloaded->GetCurrentCommentAt(0)->GetCommentId(), 0u);
}

TEST_F(ReferenceSends, PhotoEmailsAndRemotePostsReachTheOutbox)
{
    PhotoEmailWorkflow mail(*blog.user, *blog.store, { category, entryId }, &network);
    EXPECT_EQ(mail.Send(u"ann@example.com, bob@example.com", u"Look – sand!"), DialogOutcome::Close(DialogResults::Ok));
    PhotoEmailWorkflow blogMail(*blog.user, *blog.store, { 0, 0 }, &network);
    EXPECT_EQ(blogMail.Send(u"cy@example.com", u""), DialogOutcome::Close(DialogResults::Ok));
    PostRemoteEntryWorkflow post(*blog.user, *blog.store, { category, entryId }, "Dunes", "Windy", &network);
    EXPECT_EQ(post.Publish(post.Opening()), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_TRUE(blog.Shown().empty());

    std::string outbox = Outbox();
    std::string entryText = " entry=" + std::to_string(entryId);
    EXPECT_NE(outbox.find(entryText + " to=ann@example.com,bob@example.com message=Look – sand!"), std::string::npos) << outbox;
    EXPECT_NE(outbox.find(" entry=0 to=cy@example.com"), std::string::npos) << outbox;
    EXPECT_NE(outbox.find(entryText + " remote-blog=Travel Log title=Dunes"), std::string::npos) << outbox;
    EXPECT_EQ(ReadLastRemoteBlog(), u"Travel Log");
}

TEST_F(ReferenceSends, AnAccountNeverSyncedSendsNothingAndSaysSo)
{
    blog.user->SetUserId(0);
    PhotoEmailWorkflow mail(*blog.user, *blog.store, { category, entryId }, &network);
    EXPECT_TRUE(mail.Send(u"ann@example.com", u"").closes);
    PostRemoteEntryWorkflow post(*blog.user, *blog.store, { category, entryId }, "Dunes", "", &network);
    EXPECT_TRUE(post.Publish(post.Opening()).closes);
    EXPECT_EQ(blog.Shown(), (std::vector<std::string> { ErrorText(8001), ErrorText(8001) }));
    EXPECT_EQ(Outbox(), "");
}

TEST_F(ReferenceSends, ARemoteBlogTheServiceDoesNotKnowIsRefused)
{
    std::string names[] = { "Gone Blog" };
    blog.user->SetRemoteBlogNames(names);
    PostRemoteEntryWorkflow post(*blog.user, *blog.store, { category, entryId }, "Dunes", "", &network);
    EXPECT_TRUE(post.Publish(post.Opening()).closes);
    EXPECT_EQ(blog.Shown().size(), 1u) << "the server's refusal, once";
    EXPECT_EQ(Outbox(), "");
}

TEST_F(ReferenceSends, AnEditedEntrysSyncReachesTheWebAtOnce)
{
    EXPECT_EQ(TitleOnTheWeb(), "Dunes");
    EXPECT_EQ(SyncEntry(u"Dunes at dusk"), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_TRUE(blog.Shown().empty());
    EXPECT_EQ(TitleOnTheWeb(), "Dunes at dusk");
    EXPECT_FALSE(entry->IsPending());
    auto reloaded = blog.Reloaded();
    BlogEntry* saved = reloaded->FindEntryByServerId(entryId);
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->GetTitle(), "Dunes at dusk");
    EXPECT_FALSE(saved->IsPending()) << "the store was saved after the send";
    EXPECT_EQ(blog.store->GetEntries().GetSize(), 1u) << "the entry went alone, without the blog's changes";
}

TEST_F(ReferenceSends, AnEntryChangedEarlierIsSentByASyncThatChangesNothing)
{
    entry->SetTitleText(u"Windy dunes");
    entry->SetPending(true);
    ASSERT_EQ(blog.store->Save(), Error::Success);
    EXPECT_EQ(SyncEntry(u"Windy dunes"), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_EQ(TitleOnTheWeb(), "Windy dunes");
    EXPECT_FALSE(blog.Reloaded()->FindEntryByServerId(entryId)->IsPending());
}

TEST_F(ReferenceSends, AnEntrySyncWithoutAConnectionKeepsTheEditPending)
{
    // A broadcast address: the route probe is refused, as on a device
    // without a network.
    ASSERT_TRUE(WriteServiceHost(u"255.255.255.255:80"));
    EXPECT_EQ(SyncEntry(u"Dunes at dusk"), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_EQ(blog.Shown().size(), 1u) << "the connection says why";
    EXPECT_EQ(TitleOnTheWeb(), "Dunes");
    auto reloaded = blog.Reloaded();
    BlogEntry* saved = reloaded->FindEntryByServerId(entryId);
    EXPECT_EQ(saved->GetTitle(), "Dunes at dusk");
    EXPECT_TRUE(saved->IsPending());

    // The next Sync, connected, sends the kept change.
    ASSERT_TRUE(WriteServiceHost(Utf8ToUtf16(reference.Host())));
    EXPECT_EQ(SyncEntry(u"Dunes at dusk"), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_EQ(TitleOnTheWeb(), "Dunes at dusk");
    EXPECT_FALSE(entry->IsPending());
}

// Failures only a scripted server makes: an error page, a dropped answer.

// The person at the screen presses the progress window's Cancel once the
// server holds a request, and otherwise answers as the headless
// interaction does.
class CancelOnceSent final : public HeadlessUserInteraction {
public:
    explicit CancelOnceSent(const HttpTestServer& server)
        : m_server(server)
    {
    }

    std::unique_ptr<ProgressWindow> OpenProgressWindow(int lines, bool showNow) override
    {
        return std::make_unique<Window>(m_server, HeadlessUserInteraction::OpenProgressWindow(lines, showNow));
    }

private:
    class Window final : public ProgressWindow {
    public:
        Window(const HttpTestServer& server, std::unique_ptr<ProgressWindow> shown)
            : m_server(server)
            , m_shown(std::move(shown))
        {
        }
        void Show() override { m_shown->Show(); }
        void SetLine(int index, std::string_view text) override { m_shown->SetLine(index, text); }
        void ClearStatus() override { m_shown->ClearStatus(); }
        void Step() override { m_shown->Step(); }
        bool IsCancelled() override { return !m_server.Requests().empty() || m_shown->IsCancelled(); }

    private:
        const HttpTestServer& m_server;
        std::unique_ptr<ProgressWindow> m_shown;
    };

    const HttpTestServer& m_server;
};

class ScriptedSends : public testing::Test {
protected:
    ScriptedSends()
    {
        EXPECT_TRUE(WriteServiceHost(Utf8ToUtf16(server.HostText())));
        blog.user->SetEmail("owner@example.com");
        blog.user->SetPassword("pw");
        blog.store->GetBlogInfo().SetUrlName("trips");
        blog.store->GetBlogInfo().SetCommentsAllowed(true);
        entry = &blog.AddEntry(11, 1000);
    }

    TestBlog blog;
    HttpTestServer server;
    BlogEntry* entry { nullptr };
    ScriptedDialogHost dialogs;
    ServiceNetworkOperations network;
};

TEST_F(ScriptedSends, AnErrorPageLeavesTheCommentPendingAndSaysWhy)
{
    server.SetResponder([](const HttpTestServer::Request&) { return HttpTestServer::WithStatus(500, "Internal Server Error", "oops"); });
    dialogs.Script<AddCommentWorkflow>(DialogId::AddComment, [](AddCommentWorkflow& add) {
        add.SetText("Hello");
        return DialogResults::Ok;
    });
    CommentsWorkflow workflow(*blog.user, *blog.store, *entry, dialogs, &network);
    (void)workflow.Open();
    EXPECT_EQ(workflow.Add(std::nullopt), 0u);
    EXPECT_EQ(blog.Shown().size(), 1u) << "one message for the failure";
    EXPECT_EQ(workflow.Items()[0].text.substr(0, 6), "-NEW- ");
    EXPECT_NE(blog.Reloaded()->GetFirstPendingComment(), nullptr);
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_NE(server.Requests()[0].body.find("Hello"), std::string::npos);
}

TEST_F(ScriptedSends, ACancelledCommentWaitsForTheNextSync)
{
    // The server never answers; the user gives up waiting.
    server.SetResponder([](const HttpTestServer::Request&) { return HttpTestServer::Silent(); });
    blog.Interaction().ScriptCancelAfter(20);
    dialogs.Script<AddCommentWorkflow>(DialogId::AddComment, [](AddCommentWorkflow& add) {
        add.SetText("Not yet");
        return DialogResults::Ok;
    });
    CommentsWorkflow workflow(*blog.user, *blog.store, *entry, dialogs, &network);
    (void)workflow.Open();
    EXPECT_EQ(workflow.Add(std::nullopt), 0u);
    EXPECT_EQ(blog.Shown(), (std::vector<std::string> { "Sync Cancelled." }));
    auto reloaded = blog.Reloaded();
    ASSERT_NE(reloaded->GetFirstPendingComment(), nullptr);
    EXPECT_EQ(reloaded->GetFirstPendingComment()->GetText(), "Not yet");
}

TEST_F(ScriptedSends, ACancelledEntrySyncClosesTheDialogAndKeepsTheEditPending)
{
    // The server never answers; the user gives up once the entry is sent.
    server.SetResponder([](const HttpTestServer::Request&) { return HttpTestServer::Silent(); });
    CancelOnceSent person(server);
    UserInteraction::Use(&person);
    EditEntryWorkflow dialog(*blog.user, *blog.store, *entry, false, &network);
    auto controls = dialog.Opening();
    controls.caption = u"Not yet";
    DialogOutcome outcome = dialog.Sync(controls);
    UserInteraction::Use(&blog.Interaction());
    EXPECT_EQ(outcome, DialogOutcome::Close(DialogResults::Ok));
    ASSERT_EQ(person.ShownMessages().size(), 1u);
    EXPECT_EQ(person.ShownMessages()[0].text, "Sync Cancelled.");
    ASSERT_EQ(server.Requests().size(), 1u);
    EXPECT_NE(server.Requests()[0].body.find("Not yet"), std::string::npos) << "the entry was on its way";
    auto reloaded = blog.Reloaded();
    BlogEntry* saved = reloaded->FindEntryByServerId(11);
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->GetCaption(), "Not yet");
    EXPECT_TRUE(saved->IsPending());
}

TEST_F(ScriptedSends, AnAnswerWithoutTheCommentsIdKeepsItPending)
{
    server.SetResponder([](const HttpTestServer::Request&) { return HttpTestServer::Ok("<soap:Envelope><soap:Body><R></R></soap:Body></soap:Envelope>"); });
    dialogs.Script<AddCommentWorkflow>(DialogId::AddComment, [](AddCommentWorkflow& add) {
        add.SetText("Hello");
        return DialogResults::Ok;
    });
    CommentsWorkflow workflow(*blog.user, *blog.store, *entry, dialogs, &network);
    (void)workflow.Open();
    (void)workflow.Add(std::nullopt);
    EXPECT_EQ(blog.Shown().size(), 1u);
    auto reloaded = blog.Reloaded();
    ASSERT_NE(reloaded->GetFirstPendingComment(), nullptr);
    EXPECT_EQ(reloaded->GetFirstPendingComment()->GetCommentId(), 0u);
}

TEST_F(ScriptedSends, AMailWhoseAnswerIsCutShortIsReportedNotTakenForSent)
{
    blog.user->SetUserId(TestBlog::kUserId);
    server.SetResponder([](const HttpTestServer::Request&) { return HttpTestServer::CutOff(std::string(400, 'x'), 10); });
    PhotoEmailWorkflow mail(*blog.user, *blog.store, { 0, 11 }, &network);
    EXPECT_TRUE(mail.Send(u"ann@example.com", u"").closes);
    EXPECT_EQ(blog.Shown().size(), 1u);
}
