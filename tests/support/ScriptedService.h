#pragma once

#include "support/ChangesResponseBuilder.h"
#include "support/HttpTestServer.h"

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

// A scripted web service on 127.0.0.1: it answers every action the client
// sends with a success of that action (new ids counting up from 5000, the
// addresses of its photos on this server) unless a test scripts another
// answer, and serves pictures and the message file for plain GETs. It
// keeps the order of what came: the action of each SOAP request ("GC"),
// "GET PATH" for the others.
class ScriptedService {
public:
    using Answer = std::function<HttpTestServer::Response(const HttpTestServer::Request&)>;

    explicit ScriptedService(HttpTestServer& server);

    // Answers an action ("GC", "AP", ..., or "GET" for every GET) from now
    // on; a previous script for it is replaced.
    void On(const std::string& action, Answer answer);
    void OnBody(const std::string& action, const std::string& body);
    // The action's n-th request (from 1) gets this answer; the others the
    // usual one.
    void OnNth(const std::string& action, int n, Answer answer);
    // Called with every request as it comes, before it is answered.
    void Intercept(std::function<void(const HttpTestServer::Request&)> watcher);
    // The time now as the service writes it ("2026-12-07T10:00:00Z").
    static std::string NowText();
    // The body of the answers to "GC" (by default: nothing changed, as of
    // now) and to the message file.
    void SetChanges(const std::string& body);
    void SetMessageFile(const std::string& text);
    // The answer to "GU": subscriptions (URL names), with user id 77.
    void SetSubscriptions(const std::vector<std::string>& urlNames);

    std::vector<std::string> Actions() const;
    // The bodies of the requests of one action, in order.
    std::vector<std::string> BodiesOf(const std::string& action) const;
    int Count(const std::string& action) const;
    void ClearLog();

    // "http://HOST:PORT/photos/myblog/NAME": an address of this server.
    std::string PhotoUrl(const std::string& name) const;
    // Every GET of a picture is answered with this JPEG.
    void SetPicture(std::string jpeg);

    // The bytes of an answer of the action with its inner fields.
    static std::string Reply(const std::string& action, const std::string& inner);
    static std::string ErrorReply(const std::string& action, const std::string& text);

private:
    HttpTestServer::Response Respond(const HttpTestServer::Request& request);
    HttpTestServer::Response Usual(const std::string& action, const HttpTestServer::Request& request);

    HttpTestServer& m_server;
    mutable std::mutex m_mutex;
    std::map<std::string, Answer> m_answers;
    std::function<void(const HttpTestServer::Request&)> m_watcher;
    std::map<std::pair<std::string, int>, Answer> m_nthAnswers;
    std::map<std::string, int> m_counts;
    std::vector<std::string> m_actions;
    std::vector<std::pair<std::string, std::string>> m_bodies;
    std::string m_changes;
    std::string m_messageFile;
    std::string m_userInfo;
    std::string m_picture;
    std::uint32_t m_nextId { 5000 };
};

// The action named by a request: its SOAPAction's last part, or "GET PATH".
std::string ActionOf(const HttpTestServer::Request& request);

// A small JPEG photo.
std::string SmallJpeg(int width = 64, int height = 48, unsigned seed = 1);
