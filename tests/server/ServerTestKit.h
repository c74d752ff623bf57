#pragma once

// A running service for tests (in this process, on a loopback port, with a
// clock the test moves, on the engine the test run is for) and a device's side of the protocol written from
// the protocol's description: envelopes exactly as devices send them, and
// answers read the way devices scan them.

#include "TestDatabases.h"

#include "support/TemporaryFolder.h"

#include "server/ServiceInstance.h"
#include "server/http/ServiceServer.h"

#include <atomic>
#include <functional>
#include <httplib.h>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

struct TestAccount {
    std::string email;
    std::string password;
};

// Where a device finds a service: its host text, an HTTP client for it and
// its clock.
class ServiceEndpoint {
public:
    virtual ~ServiceEndpoint() = default;
    virtual std::string Host() const = 0;
    virtual httplib::Client Client() const = 0;
    // The service's clock, which created times are made from.
    virtual std::int64_t Now() const = 0;
};

class ServiceUnderTest final : public ServiceEndpoint {
public:
    explicit ServiceUnderTest(HttpLimits limits = HttpLimits { 4, 8u << 20 }, const TlsFiles& tls = {});
    ~ServiceUnderTest();

    int Port() const { return m_port; }
    std::string Host() const override { return "127.0.0.1:" + std::to_string(m_port); }
    std::string DataFolder() const { return m_folder.File("data"); }
    // The --database address ("" for SQLite).
    std::string DatabaseAddress() const { return m_database.Address(); }
    ServiceInstance& Instance() { return *m_instance; }

    // The service's clock: the real time plus an offset the test sets.
    std::int64_t Now() const override;
    void AdvanceClock(std::int64_t seconds) { m_offset += seconds; }

    // An account made with the administration command.
    TestAccount AddUser(const std::string& email, const std::string& password = "secret", const std::vector<std::string>& options = {});
    // Runs an administration command; answers its exit status.
    int Admin(const std::vector<std::string>& words, std::string* output = nullptr);

    // A client of the service; for HTTPS one that trusts the certificate
    // made for it.
    httplib::Client Client() const override;

private:
    TemporaryFolder m_folder;
    std::string m_certificate;
    TestDatabase m_database;
    std::unique_ptr<ServiceInstance> m_instance;
    std::unique_ptr<ServiceServer> m_server;
    std::thread m_thread;
    std::atomic<std::int64_t> m_offset { 0 };
    int m_port { 0 };
};

// The options of a service in a test's data folder (its photos in
// "photos" there) on the test's database.
ServerOptions TestServerOptions(const std::string& dataFolder, const TestDatabase& database);

// Runs `follow` again and again while any writer is still `writing`, joins
// the writers, then runs it once more: what a device that syncs through a
// busy time does.
void FollowWhileWriting(std::vector<std::thread>& writers, const std::atomic<int>& writing, const std::function<void()>& follow);

// "YYYY-MM-DDTHH:MM:SSZ" of a moment, as devices write created times.
std::string UtcText(std::int64_t moment);
// The path of an address the service gave ("http[s]://HOST/path").
std::string PathOf(const std::string& address);
std::string Base64(const std::string& bytes);
// Base64 of SHA-1 over nonce, created and password.
std::string DigestOf(const std::string& nonce, const std::string& created, const std::string& password);
std::string NewNonce();
// Escaped the way devices escape values.
std::string Escaped(const std::string& text);

// How one request's authentication is made.
struct AuthOptions {
    std::int64_t createdOffset { 0 };    // moves the created time from the service's clock
    std::optional<std::string> nonce;    // a given nonce instead of a new one
    std::optional<std::string> password; // a wrong one

    static AuthOptions Shifted(std::int64_t seconds)
    {
        AuthOptions options;
        options.createdOffset = seconds;
        return options;
    }
    static AuthOptions WithNonce(std::string nonce, std::int64_t shift = 0)
    {
        AuthOptions options = Shifted(shift);
        options.nonce = std::move(nonce);
        return options;
    }
    static AuthOptions WithPassword(std::string password, std::optional<std::string> nonce = {})
    {
        AuthOptions options;
        options.password = std::move(password);
        options.nonce = std::move(nonce);
        return options;
    }
};

struct Answer {
    int status { 0 }; // -1: no answer (the body says why)
    std::string body;

    // The "<MS>" text ("" when the answer is not a refusal).
    std::string Refusal() const;
    bool Ok() const { return status == 200 && Refusal().empty(); }
    // The first value of an element, searched from the start ("" if none).
    std::string Value(const std::string& tag) const;
    // Every record element (PI, CA, OM, SU, ...) with its fields, in order.
    std::vector<std::map<std::string, std::string>> Records(const std::string& tag) const;
};

// A device talking to the service.
class Device {
public:
    Device(ServiceEndpoint& service, std::optional<TestAccount> account);

    // One request: the envelope of the action with the authentication
    // element (unless the action is "CreateAccount"), the blog (if any) and
    // the action's fields.
    Answer Send(const std::string& action, const std::optional<std::string>& blog, const std::string& fields, const AuthOptions& auth = {});
    // The same envelope, returned instead of sent.
    std::string Envelope(const std::string& action, const std::optional<std::string>& blog, const std::string& fields, const AuthOptions& auth = {});
    Answer Post(const std::string& body);
    Answer Get(const std::string& path);

    // Common steps, each expected to succeed.
    void CreateBlog(const std::string& name, const std::string& title = "", bool visible = true);
    std::uint32_t AddCategory(const std::string& blog, const std::string& name);
    // An "AP" with a photo; answers the new entry's id.
    std::uint32_t AddEntry(const std::string& blog, const std::string& title, const std::string& jpeg, std::uint32_t category = 0,
        const std::string& caption = "");
    std::uint32_t AddComment(const std::string& blog, std::uint32_t entry, const std::string& text);
    Answer GetChanges(const std::string& blog, std::optional<std::string> since = {}, std::optional<int> limit = {},
        const std::string& viewPassword = "");

private:
    ServiceEndpoint& m_service;
    std::optional<TestAccount> m_account;
};

// The fields of an "AP" or "EP".
std::string EntryFields(std::optional<std::uint32_t> id, std::uint32_t category, const std::string& title, const std::string& caption,
    const std::string& jpeg);

// A small photo (baseline JPEG) of the given size.
std::string TestJpeg(int width, int height, unsigned seed = 1);
