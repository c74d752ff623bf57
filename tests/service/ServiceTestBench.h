#pragma once

#include "model/CWinBlogStorage.h"
// Base64 as the reference service reads and writes it, apart from the
// client.
#include "server/soap/Base64.h"
#include "service/ProgressWindowCallback.h"
#include "service/QuillberryBlogService.h"
#include "support/ChangesResponseBuilder.h"
#include "support/HttpTestServer.h"
#include "support/SandboxDevice.h"
#include "transport/CurlHttp.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The service of a sandboxed device talking to a scripted HTTP server on
// 127.0.0.1 (the "Service Host" preference names it), working on the store
// of the blog "myblog" of the account me@example.com (user id 77).
class ServiceTest : public ::testing::Test {
protected:
    static constexpr std::string_view kEmail = "me@example.com";
    static constexpr std::string_view kPassword = "pa55 w&rd";
    static constexpr std::uint32_t kUserId = 77;
    static constexpr std::string_view kBlog = "myblog";

    ServiceTest();
    ~ServiceTest() override;

    // Every request is answered with status 200 and this body.
    void Answer(const std::string& body);
    void AnswerWith(HttpTestServer::Response response);
    // The body of a reply that carries the server's error text.
    static std::string ErrorReply(std::string_view action, std::string_view text);

    std::vector<HttpTestServer::Request> Requests() const { return server.Requests(); }
    // The only request the server received.
    HttpTestServer::Request OnlyRequest() const;

    // The request line and headers of a service request for ACTION whose
    // body has `length` bytes.
    std::string ExpectedHead(std::string_view action, std::size_t length) const;
    // The envelope of ACTION around the fields.
    std::string Envelope(std::string_view action, std::string_view fields) const;
    // The authentication element of the test account, with the digest,
    // created time and nonce masked as ExpectDigests leaves them, and the
    // blog's "BI" (unless none).
    static std::string Authentication(std::string_view blogUrlName = kBlog);
    // Checks every digest of a request body as the server would (SHA-1 of
    // nonce, created time and the password, or the viewer password in
    // "VP"), that every nonce is 31 letters and digits and every created
    // time now, in UTC; returns the body with those values masked as
    // {DI}, {CR} and {NO}.
    static std::string CheckDigests(const std::string& body, std::string_view password, std::string_view viewerPassword = {});

    // The whole request as it must have been sent: head and envelope.
    void ExpectRequest(const HttpTestServer::Request& request, std::string_view action, std::string_view fields,
        std::string_view viewerPassword = {}) const;

    // Makes the store file of the blog exist on disk, as the device keeps it.
    void SaveStore();
    // The store as its file holds it.
    std::unique_ptr<CWinBlogStorage> ReloadStore() const;

    SandboxDevice device;
    HttpTestServer server;
    CurlHttp http;
    std::unique_ptr<CWinBlogStorage> store;
    QuillberryBlogService service { http };
};

// Records made in a test through the store's factories.
std::unique_ptr<BlogEntry> MakeEntry(const BlogStorage& store, std::uint32_t serverId, std::string_view title, std::uint32_t postDate,
    bool pending);
std::unique_ptr<BlogComment> MakeComment(const BlogStorage& store, std::uint32_t entryId, std::uint32_t commentId, std::string_view text,
    std::uint32_t date, bool pending);
std::unique_ptr<BlogAlbum> MakeCategory(const BlogStorage& store, std::uint32_t id, std::string_view name, bool modified);

// Makes a sandboxed device's preferences name the service host and its
// data folder exist, as a device has them before its first request.
void PrepareDevice(const std::string& serviceHost);

// The messages shown so far.
std::vector<std::string> ShownTexts(const HeadlessUserInteraction& interaction);
