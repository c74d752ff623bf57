// The account wizard, the login and the account info, headless against the
// reference service.

#include "AccountServiceBench.h"

#include "model/CWinBlogStorage.h"
#include "workflows/AccountFields.h"
#include "workflows/AccountInfoWorkflow.h"
#include "workflows/CreateAccountWorkflow.h"
#include "workflows/LoginInfoWorkflow.h"

namespace {

const char* const kInvalidLogin
    = "Please enter a valid email address and password. The password must be at least 1 character in length and cannot contain spaces.";

using Fields = CreateAccountWorkflow::Fields;

Fields AccountFieldsOf(std::u16string email, std::u16string password = u"s3cret")
{
    Fields fields;
    fields.email = std::move(email);
    fields.password = std::move(password);
    fields.firstName = u"Zo\u00eb";
    fields.lastName = u"Doe";
    return fields;
}

class CreateAccountTest : public AccountServiceBench {
protected:
    // Moves the wizard to the name page with these fields.
    void PassAccountPage(const Fields& fields)
    {
        ASSERT_EQ(wizard.Next(fields), DialogOutcome::Stay(CreateAccountWorkflow::kFirstNameField));
        ASSERT_EQ(wizard.GetPage(), CreateAccountWorkflow::kNamePage);
    }

    CreateAccountWorkflow wizard { *user, Services() };
};

}

TEST(AccountFieldRules, EmailNeedsSevenCharactersAnAtAndADotAfterIt)
{
    EXPECT_FALSE(AccountFields::IsValidEmail(u"a@b.cd")) << "six characters";
    EXPECT_TRUE(AccountFields::IsValidEmail(u"a@b.cde"));
    EXPECT_FALSE(AccountFields::IsValidEmail(u"first.last@host"));
    EXPECT_FALSE(AccountFields::IsValidEmail(u"nobody.example.com"));
    EXPECT_TRUE(AccountFields::IsValidEmail(u"a@b@c.de")) << "the dot counts after the first @";
    EXPECT_FALSE(AccountFields::IsValidPassword(u""));
    EXPECT_FALSE(AccountFields::IsValidPassword(u"two words"));
    EXPECT_TRUE(AccountFields::IsValidPassword(u"x"));
}

TEST_F(CreateAccountTest, TheFirstPagesRefuseWhatTheServiceCouldNotTake)
{
    EXPECT_EQ(wizard.Next(AccountFieldsOf(u"a@b.cd")), DialogOutcome::Stay(CreateAccountWorkflow::kEmailField));
    EXPECT_EQ(wizard.Next(AccountFieldsOf(u"zoe@example.com", u"has space")), DialogOutcome::Stay(CreateAccountWorkflow::kPasswordField));
    EXPECT_EQ(wizard.Next(AccountFieldsOf(u"zoe@example.com", u"")), DialogOutcome::Stay(CreateAccountWorkflow::kPasswordField));
    EXPECT_EQ(wizard.Next(AccountFieldsOf(std::u16string(52, u'z') + u"@example.com")), DialogOutcome::Stay(CreateAccountWorkflow::kEmailField));
    EXPECT_EQ(Shown(), (std::vector<std::string> { kInvalidLogin, kInvalidLogin, kInvalidLogin, "Please enter no more than 63 characters." }));
    EXPECT_EQ(wizard.GetPage(), CreateAccountWorkflow::kAccountPage);

    Fields fields = AccountFieldsOf(u"zoe@example.com");
    PassAccountPage(fields);
    fields.lastName.clear();
    EXPECT_EQ(wizard.Next(fields), DialogOutcome::Stay(CreateAccountWorkflow::kLastNameField));
    EXPECT_EQ(Shown().back(), "You must enter your first and last name.");
    EXPECT_EQ(wizard.GetPage(), CreateAccountWorkflow::kNamePage);
    EXPECT_EQ(ProgressWindowsOpened(), 0u) << "nothing was sent";
}

TEST_F(CreateAccountTest, AWholeRunMakesTheAccountAndItsFirstBlog)
{
    Fields fields = AccountFieldsOf(u"zoe@example.com");
    PassAccountPage(fields);
    EXPECT_EQ(wizard.Next(fields), DialogOutcome::Stay(CreateAccountWorkflow::kUrlField));
    ASSERT_EQ(wizard.GetPage(), CreateAccountWorkflow::kBlogPage);
    EXPECT_EQ(user->GetEmail(), "zoe@example.com");
    EXPECT_EQ(user->GetPassword(), "s3cret");
    EXPECT_TRUE(UserFileExists()) << "the login is saved as soon as the account exists";
    EXPECT_EQ(wizard.GetFields().blog.title, u"Zo\u00eb's PhotoBlog");
    EXPECT_EQ(wizard.GetFields().blog.subtitle, u"Pictures from my camera phone");

    fields = wizard.GetFields();
    fields.blog.url = u"zoe pics";
    EXPECT_EQ(wizard.Next(fields), DialogOutcome::Stay(CreateAccountWorkflow::kUrlField));
    EXPECT_EQ(Shown().back(), "A Blog URL can only contain alphanumeric characters or '_' and '-'.");
    fields.blog.url = u"zoe_pics-1";
    EXPECT_EQ(wizard.Next(fields), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_EQ(wizard.GetPage(), CreateAccountWorkflow::kFinished);
    EXPECT_TRUE(wizard.WasBlogCreated());
    CWinBlogStorage* blog = user->FindBlog(std::string_view("zoe_pics-1"));
    ASSERT_NE(blog, nullptr);
    EXPECT_EQ(blog->GetBlogInfo().GetTitleText(), u"Zo\u00eb's PhotoBlog");
    EXPECT_TRUE(PathExists(blog->GetFilePath()));
    EXPECT_EQ(network.calls, (std::vector<std::string> { "GetUserInfo" })) << "the account is refreshed after its first blog";

    std::string listing;
    ASSERT_EQ(reference.Admin({ "list-blogs" }, &listing), 0);
    EXPECT_NE(listing.find("zoe_pics-1"), std::string::npos);
}

TEST_F(CreateAccountTest, AnAddressWithAnAccountOffersToUseIt)
{
    reference.AddUser("zoe@example.com", "old");
    Fields fields = AccountFieldsOf(u"zoe@example.com");
    PassAccountPage(fields);
    Interaction().ScriptAnswer(false);
    EXPECT_EQ(wizard.Next(fields), DialogOutcome::Stay(CreateAccountWorkflow::kEmailField));
    EXPECT_EQ(wizard.GetPage(), CreateAccountWorkflow::kAccountPage);
    EXPECT_EQ(Shown().back(), "\"zoe@example.com\" already has a VellumbrixWeb account.  Would you like to subscribe to it?");
    EXPECT_TRUE(user->GetEmail().empty()) << "declining leaves the user without a login";

    PassAccountPage(fields);
    Interaction().ScriptAnswer(true);
    EXPECT_EQ(wizard.Next(fields), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_EQ(user->GetEmail(), "zoe@example.com");
    EXPECT_EQ(user->GetPassword(), "s3cret");
    EXPECT_TRUE(user->GetStartupConnect());
    EXPECT_FALSE(wizard.WasBlogCreated());
}

TEST_F(CreateAccountTest, ATakenBlogUrlNamesTheServicesSuggestions)
{
    reference.AddUser("other@example.com", "pw");
    BlogUrlAlternates unused;
    auto progress = Interaction().OpenProgressWindow(3, false);
    ASSERT_EQ(accounts.CreateBlog("other@example.com", "pw", "pics", "", "", unused, *progress), Error::Success);

    Fields fields = AccountFieldsOf(u"zoe@example.com");
    PassAccountPage(fields);
    ASSERT_EQ(wizard.Next(fields).faultyField, CreateAccountWorkflow::kUrlField);
    fields = wizard.GetFields();
    fields.blog.url = u"PICS";
    EXPECT_EQ(wizard.Next(fields), DialogOutcome::Stay(CreateAccountWorkflow::kUrlField));
    EXPECT_EQ(wizard.GetPage(), CreateAccountWorkflow::kBlogPage);
    std::string shown = Shown().back();
    EXPECT_EQ(shown.rfind("The Blog URL \"PICS\"  is already in use.  Please try another one.  The following Blog URLs are available:\n", 0), 0u)
        << shown;
    EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), 2);
    EXPECT_EQ(user->GetBlogList().GetSize(), 0u);
    EXPECT_TRUE(network.calls.empty());
}

TEST_F(CreateAccountTest, ARefusalTheServiceExplainedIsShownOnceAndKeepsThePage)
{
    // The service takes no "&" in an address; the device's rule lets it by.
    Fields fields = AccountFieldsOf(u"zoe&co@example.com");
    PassAccountPage(fields);
    EXPECT_EQ(wizard.Next(fields), DialogOutcome::Stay(CreateAccountWorkflow::kFirstNameField));
    EXPECT_EQ(wizard.GetPage(), CreateAccountWorkflow::kNamePage);
    ASSERT_EQ(Shown().size(), 1u);
    EXPECT_NE(Shown()[0].find("valid e-mail address"), std::string::npos) << Shown()[0];
    EXPECT_TRUE(user->GetEmail().empty());
    EXPECT_FALSE(UserFileExists());
}

TEST_F(CreateAccountTest, ACancelledOrFailedRequestLeavesNothingHalfDone)
{
    Fields fields = AccountFieldsOf(u"zoe@example.com");
    PassAccountPage(fields);
    Interaction().ScriptCancelAfter(0);
    EXPECT_EQ(wizard.Next(fields).closes, false);
    EXPECT_EQ(wizard.GetPage(), CreateAccountWorkflow::kNamePage);
    EXPECT_TRUE(Shown().empty()) << "the user cancelled; nothing to tell";
    EXPECT_TRUE(user->GetEmail().empty());

    // A service that is gone: the transport's failure is shown.
    Interaction().ScriptCancelAfter(-1);
    EXPECT_TRUE(WriteServiceHost(u"127.0.0.1:1"));
    EXPECT_EQ(wizard.Next(fields).closes, false);
    EXPECT_EQ(wizard.GetPage(), CreateAccountWorkflow::kNamePage);
    EXPECT_EQ(Shown().size(), 1u);
    EXPECT_TRUE(user->GetEmail().empty());
    EXPECT_FALSE(UserFileExists());
}

TEST_F(AccountServiceBench, LoginInfoNeedsAnEmailOnly)
{
    LoginInfoWorkflow login(*user);
    EXPECT_EQ(login.Next(u"", u"pw"), DialogOutcome::Stay(LoginInfoWorkflow::kEmailField));
    EXPECT_EQ(Shown(), (std::vector<std::string> { kInvalidLogin }));
    EXPECT_FALSE(user->GetStartupConnect());
    EXPECT_EQ(login.Next(u"zo\u00eb@example.com", u""), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_EQ(user->GetEmail(), "zo\xc3\xab@example.com");
    EXPECT_EQ(user->GetPassword(), "");
    EXPECT_TRUE(user->GetStartupConnect());
}

TEST_F(AccountServiceBench, AccountInfoShowsTheKindOfAccountAndNeverThePassword)
{
    user->SetEmail("zoe@example.com");
    user->SetPassword("p\xc3\xa4ss");
    AccountInfoWorkflow info(*user);
    EXPECT_EQ(info.OpeningEmail(), u"zoe@example.com");
    EXPECT_EQ(info.PasswordPlaceholder(), u"****") << "one star per character, not per byte";
    EXPECT_FALSE(info.GetAccountLines().shown);
    user->SetPhotoQuota(500);
    EXPECT_EQ(info.GetAccountLines().limit, "500 photos max");
    EXPECT_EQ(info.GetAccountLines().kind, AccountInfoWorkflow::kLimitedAccount);
    user->SetProAccount(1);
    AccountInfoWorkflow::AccountLines pro = info.GetAccountLines();
    EXPECT_TRUE(pro.shown);
    EXPECT_EQ(pro.kind, "Pro Account");
    EXPECT_EQ(pro.limit, "Unlimited Photos");
}

TEST_F(AccountServiceBench, AccountInfoChangesResetTheCommentStampsAndAreSaved)
{
    user->SetEmail("zoe@example.com");
    user->SetPassword("pw");
    user->SetUserId(42);
    user->GetBlogList().Insert(std::make_unique<CWinBlogStorage>(user->GetDataFolder(), "trips"));
    CWinBlogStorage& blog = *user->FindBlog(std::string_view("trips"));
    blog.SetDownloadStamp(1000);

    AccountInfoWorkflow info(*user);
    EXPECT_EQ(info.Ok(u"zoe@example.com", u"**"), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_EQ(user->GetPassword(), "pw") << "the placeholder leaves the password alone";
    EXPECT_EQ(blog.GetDownloadStamp(), 1000u);
    EXPECT_FALSE(UserFileExists()) << "nothing changed, nothing saved";
    EXPECT_FALSE(PathExists(blog.GetFilePath()));

    EXPECT_EQ(info.Ok(u"", u"**"), DialogOutcome::Stay(AccountInfoWorkflow::kEmailField));
    EXPECT_EQ(Shown(), (std::vector<std::string> { kInvalidLogin }));

    EXPECT_EQ(info.Ok(u"Zoe@example.com", u"**"), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_EQ(user->GetEmail(), "Zoe@example.com") << "a change of case is a change";
    EXPECT_EQ(user->GetUserId(), 0u);
    EXPECT_EQ(user->GetPassword(), "pw");
    EXPECT_EQ(blog.GetDownloadStamp(), 0u);
    EXPECT_TRUE(UserFileExists());
    EXPECT_TRUE(PathExists(blog.GetFilePath()));

    AccountInfoWorkflow again(*user);
    EXPECT_EQ(again.Ok(u"Zoe@example.com", u"***"), DialogOutcome::Close(DialogResults::Ok));
    EXPECT_EQ(user->GetPassword(), "***");
}
