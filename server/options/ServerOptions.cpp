#include "server/options/ServerOptions.h"

#include "server/storage/PostgresDatabase.h"

#include <charconv>
#include <cstdlib>

const char* const ServerUsage = R"(usage: vellumbrix-server [OPTIONS]
       vellumbrix-server [--data DIR] [--database ADDRESS] admin COMMAND [ARGUMENTS]

Serves the Vellumbrix web service: the devices' SOAP endpoint (/ws/), the
photos and their scaler, the message and channels files, and a web page
for every blog.

Options:
  --listen HOST:PORT     address to listen on (default 127.0.0.1:8080; port 0
                         picks a free port, printed at start)
  --threads N            worker threads (default 8)
  --data DIR             the SQLite database and the photos
                         (default $XDG_DATA_HOME/vellumbrix-server)
  --photos DIR           keep the photos here instead of DIR/photos (a folder
                         every process of the service shares)
  --database postgresql://USER@HOST:PORT/DATABASE
                         keep everything in PostgreSQL instead of SQLite, so
                         that several processes (on several machines) can
                         serve together
  --tls-cert FILE        serve HTTPS with this certificate chain (PEM) ...
  --tls-key FILE         ... and its private key (PEM); both or neither
  --max-body BYTES       largest request accepted (default 50331648)
  --public-host HOST[:PORT]
                         host the service's addresses name (default: the
                         Host header of each request)
  --default-quota N      photos a new free account may keep (default 1000)
  --keep-deletions DAYS  how long deletions stay in the changes feed
                         (default 400)
  --help                 this text

Administration commands (on the same --data, or the same --database):
  admin create-user EMAIL PASSWORD [--pro] [--quota N]
  admin list-users
  admin list-blogs
  admin list-outbox
  admin set-view-password BLOG PASSWORD     ("" removes the password)
  admin set-group BLOG on|off
  admin set-comments BLOG on|off
  admin add-member BLOG EMAIL
  admin add-remote-blog EMAIL NAME
  admin set-channels FILE                   (one blog per line: URL name first)
  admin set-message FILE                    (the message file devices read)
)";

namespace {

template<typename Number>
bool ParseNumber(const std::string& text, Number& value, Number low, Number high)
{
    Number parsed {};
    auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() || parsed < low || parsed > high)
        return false;
    value = parsed;
    return true;
}

bool ParseListen(const std::string& text, ServerOptions& options)
{
    size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0)
        return false;
    std::string host = text.substr(0, colon);
    if (host.size() > 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    if (!ParseNumber(text.substr(colon + 1), options.listenPort, 0, 65535))
        return false;
    options.listenHost = host;
    return true;
}

std::string DefaultDataFolder()
{
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data)
        return std::string(data) + "/vellumbrix-server";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.local/share/vellumbrix-server";
    return "vellumbrix-data";
}

}

std::variant<ServerOptions, std::string> ParseServerOptions(const std::vector<std::string>& arguments)
{
    ServerOptions options;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!options.admin.empty()) {
            // After "admin": the command's own words, except the two folder
            // options, which may come on either side.
            if ((argument == "--data" || argument == "--photos" || argument == "--database") && i + 1 < arguments.size()) {
                const std::string& value = arguments[++i];
                (argument == "--data" ? options.dataFolder : argument == "--photos" ? options.photosFolder
                                                                                    : options.database)
                    = value;
                continue;
            }
            options.admin.push_back(argument);
            continue;
        }
        if (argument == "admin") {
            options.admin.push_back(argument);
            continue;
        }
        if (argument == "--help" || argument == "-h") {
            options.help = true;
            continue;
        }
        if (i + 1 >= arguments.size())
            return "the option " + argument + " needs a value (or is unknown); see --help";
        const std::string& value = arguments[++i];
        bool good = true;
        if (argument == "--listen")
            good = ParseListen(value, options);
        else if (argument == "--threads")
            good = ParseNumber(value, options.threads, 1, 256);
        else if (argument == "--data")
            options.dataFolder = value;
        else if (argument == "--photos")
            options.photosFolder = value;
        else if (argument == "--database")
            options.database = value;
        else if (argument == "--tls-cert")
            options.tlsCertificate = value;
        else if (argument == "--tls-key")
            options.tlsKey = value;
        else if (argument == "--max-body")
            good = ParseNumber<std::size_t>(value, options.maxBodyBytes, 1024, std::size_t(1) << 31);
        else if (argument == "--public-host")
            options.publicHost = value;
        else if (argument == "--default-quota")
            good = ParseNumber<std::uint32_t>(value, options.defaultQuota, 0, 0xFFFFFFFFu);
        else if (argument == "--keep-deletions")
            good = ParseNumber(value, options.keepDeletionsDays, 1, 100000);
        else
            return "unknown option " + argument + "; see --help";
        if (!good)
            return "the value \"" + value + "\" of " + argument + " is not usable; see --help";
    }
    if (!options.database.empty() && !PostgresDatabase::IsAddress(options.database))
        return "the database \"" + options.database + "\" is not a postgresql:// address; see --help";
    if (options.tlsCertificate.empty() != options.tlsKey.empty())
        return "--tls-cert and --tls-key go together; see --help";
    if (options.dataFolder.empty())
        options.dataFolder = DefaultDataFolder();
    if (options.photosFolder.empty())
        options.photosFolder = options.dataFolder + "/photos";
    return options;
}
