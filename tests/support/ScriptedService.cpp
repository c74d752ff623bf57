#include "support/ScriptedService.h"

#include "support/JpegTestKit.h"

#include <ctime>

namespace {

std::string HeaderValue(const std::string& head, const std::string& name)
{
    std::size_t at = head.find("\r\n" + name + ": ");
    if (at == std::string::npos)
        return {};
    at += name.size() + 4;
    return head.substr(at, head.find("\r\n", at) - at);
}

std::string Value(const std::string& body, const std::string& tag)
{
    std::size_t at = body.find("<" + tag + ">");
    if (at == std::string::npos)
        return {};
    at += tag.size() + 2;
    return body.substr(at, body.find("</" + tag + ">", at) - at);
}

}

std::string ActionOf(const HttpTestServer::Request& request)
{
    std::string line = request.RequestLine();
    if (line.starts_with("GET ")) {
        std::string path = line.substr(4, line.rfind(' ') - 4);
        return "GET " + path;
    }
    std::string soapAction = HeaderValue(request.head, "SOAPAction");
    std::size_t slash = soapAction.rfind('/');
    std::string action = slash == std::string::npos ? soapAction : soapAction.substr(slash + 1);
    if (!action.empty() && action.back() == '"')
        action.pop_back();
    return action;
}

ScriptedService::ScriptedService(HttpTestServer& server)
    : m_server(server)
{
    SetMessageFile("<VELLUMBRIX><VERSION>0.9</VERSION></VELLUMBRIX>");
    SetSubscriptions({ "myblog" });
    m_picture = SmallJpeg();
    m_server.SetResponder([this](const HttpTestServer::Request& request) { return Respond(request); });
}

std::string ScriptedService::Reply(const std::string& action, const std::string& inner)
{
    return ChangesResponseBuilder::Envelope(action, inner);
}

std::string ScriptedService::ErrorReply(const std::string& action, const std::string& text)
{
    return Reply(action, "<MS>" + ChangesResponseBuilder::Escape(text) + "</MS>");
}

void ScriptedService::On(const std::string& action, Answer answer)
{
    std::lock_guard lock(m_mutex);
    m_answers[action] = std::move(answer);
}

void ScriptedService::OnBody(const std::string& action, const std::string& body)
{
    On(action, [body](const HttpTestServer::Request&) { return HttpTestServer::Ok(body); });
}

void ScriptedService::OnNth(const std::string& action, int n, Answer answer)
{
    std::lock_guard lock(m_mutex);
    m_nthAnswers[{ action, n }] = std::move(answer);
}

std::string ScriptedService::NowText()
{
    std::time_t now = std::time(nullptr);
    std::tm parts {};
    gmtime_r(&now, &parts);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &parts);
    return text;
}

void ScriptedService::Intercept(std::function<void(const HttpTestServer::Request&)> watcher)
{
    std::lock_guard lock(m_mutex);
    m_watcher = std::move(watcher);
}

void ScriptedService::SetChanges(const std::string& body)
{
    std::lock_guard lock(m_mutex);
    m_changes = body;
}

void ScriptedService::SetMessageFile(const std::string& text)
{
    std::lock_guard lock(m_mutex);
    m_messageFile = text;
}

void ScriptedService::SetSubscriptions(const std::vector<std::string>& urlNames)
{
    std::string list;
    for (auto& name : urlNames)
        list += "<SU>" + name + "</SU>";
    std::lock_guard lock(m_mutex);
    m_userInfo = Reply("GU", "<UI>77</UI><AT>free</AT><QT>500</QT><SL>" + list + "</SL><RR><RB>Elsewhere</RB></RR>");
}

void ScriptedService::SetPicture(std::string jpeg)
{
    std::lock_guard lock(m_mutex);
    m_picture = std::move(jpeg);
}

std::string ScriptedService::PhotoUrl(const std::string& name) const
{
    return "http://" + m_server.HostText() + "/photos/myblog/" + name;
}

std::vector<std::string> ScriptedService::Actions() const
{
    std::lock_guard lock(m_mutex);
    return m_actions;
}

std::vector<std::string> ScriptedService::BodiesOf(const std::string& action) const
{
    std::lock_guard lock(m_mutex);
    std::vector<std::string> bodies;
    for (auto& [name, body] : m_bodies) {
        if (name == action)
            bodies.push_back(body);
    }
    return bodies;
}

int ScriptedService::Count(const std::string& action) const
{
    std::lock_guard lock(m_mutex);
    auto found = m_counts.find(action);
    return found == m_counts.end() ? 0 : found->second;
}

void ScriptedService::ClearLog()
{
    std::lock_guard lock(m_mutex);
    m_actions.clear();
    m_bodies.clear();
    m_counts.clear();
}

HttpTestServer::Response ScriptedService::Respond(const HttpTestServer::Request& request)
{
    std::string action = ActionOf(request);
    std::string kind = action.starts_with("GET ") ? "GET" : action;
    Answer answer;
    std::function<void(const HttpTestServer::Request&)> watcher;
    {
        std::lock_guard lock(m_mutex);
        watcher = m_watcher;
        m_actions.push_back(action);
        m_bodies.emplace_back(action, request.body);
        int n = ++m_counts[action];
        if (auto nth = m_nthAnswers.find({ action, n }); nth != m_nthAnswers.end())
            answer = nth->second;
        else if (auto scripted = m_answers.find(action); scripted != m_answers.end())
            answer = scripted->second;
        else if (auto any = m_answers.find(kind); any != m_answers.end())
            answer = any->second;
    }
    if (watcher)
        watcher(request);
    if (answer)
        return answer(request);
    return Usual(action, request);
}

HttpTestServer::Response ScriptedService::Usual(const std::string& action, const HttpTestServer::Request& request)
{
    std::lock_guard lock(m_mutex);
    if (action.starts_with("GET /Downloads/messages/"))
        return HttpTestServer::Ok(m_messageFile, "text/plain");
    if (action.starts_with("GET "))
        return HttpTestServer::Ok(m_picture, "image/jpeg");
    const std::string& body = request.body;
    if (action == "GU")
        return HttpTestServer::Ok(m_userInfo);
    if (action == "GC")
        return HttpTestServer::Ok(m_changes.empty() ? ChangesResponseBuilder().Timestamp(NowText()).Text() : m_changes);
    if (action == "EB")
        return HttpTestServer::Ok(Reply(action, "<BT>" + Value(body, "BT") + "</BT><ST>" + Value(body, "ST") + "</ST><VI>" + Value(body, "VI") + "</VI>"));
    if (action == "AC")
        return HttpTestServer::Ok(Reply(action, "<CI>" + std::to_string(m_nextId++) + "</CI>"));
    if (action == "EC")
        return HttpTestServer::Ok(Reply(action, "<CI>" + Value(body, "CI") + "</CI>"));
    if (action == "AP" || action == "EP") {
        std::string id = action == "AP" ? std::to_string(m_nextId++) : Value(body, "ID");
        return HttpTestServer::Ok(Reply(action, "<ID>" + id + "</ID><BY>Me</BY><OU>http://" + m_server.HostText() + "/photos/myblog/" + id + ".jpg</OU>"));
    }
    if (action == "AO" || action == "EO") {
        std::string id = action == "AO" ? std::to_string(m_nextId++) : Value(body, "OI");
        return HttpTestServer::Ok(Reply(action, "<OI>" + id + "</OI><BY>Me</BY>"));
    }
    return HttpTestServer::Ok(Reply(action, ""));
}

std::string SmallJpeg(int width, int height, unsigned seed)
{
    std::vector<uint8_t> jpeg = EncodeJpeg(MakePhotoLikePicture(width, height, seed), JpegOptions {});
    return std::string(jpeg.begin(), jpeg.end());
}
