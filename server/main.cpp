// vellumbrix-server: the reference web service, or one of its
// administration commands. See ServerOptions.cpp for the command line.

#include "server/ServiceInstance.h"
#include "server/admin/AdminCommands.h"
#include "server/http/ServiceServer.h"
#include "server/options/ServerOptions.h"

#include <csignal>
#include <cstdio>
#include <pthread.h>
#include <thread>

namespace {

int Serve(ServiceInstance& instance, const ServerOptions& options)
{
    // SIGINT and SIGTERM are taken by one thread that stops the server, so
    // that no signal handler ever runs inside the server's code.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    ServiceServer server(*instance.database, *instance.photos, *instance.messages, instance.settings,
        HttpLimits { options.threads, options.maxBodyBytes }, TlsFiles { options.tlsCertificate, options.tlsKey });
    if (!server.IsUsable()) {
        std::fprintf(stderr, "vellumbrix-server: cannot use the certificate %s with the key %s\n", options.tlsCertificate.c_str(),
            options.tlsKey.c_str());
        return 1;
    }
    int port = server.Bind(options.listenHost, options.listenPort);
    if (port <= 0) {
        std::fprintf(stderr, "vellumbrix-server: cannot listen on %s:%d\n", options.listenHost.c_str(), options.listenPort);
        return 1;
    }
    std::string shown = options.listenHost.find(':') != std::string::npos ? "[" + options.listenHost + "]" : options.listenHost;
    std::string storage = options.database.empty() ? "data " + options.dataFolder : "database postgresql";
    std::printf("vellumbrix-server: listening on %s://%s:%d (%s, photos %s, %d threads)\n", server.Scheme().c_str(), shown.c_str(), port,
        storage.c_str(), options.photosFolder.c_str(), options.threads);
    std::fflush(stdout);

    std::thread stopper([&server, stopSignals] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        server.Stop();
    });
    bool served = server.Run();
    // Run ends by a signal or a failure; after a failure the stopper still
    // waits, so it is woken the way a signal would.
    pthread_kill(stopper.native_handle(), SIGTERM);
    stopper.join();
    std::fprintf(stderr, "vellumbrix-server: stopped\n");
    return served ? 0 : 1;
}

}

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    auto parsed = ParseServerOptions(arguments);
    if (auto* problem = std::get_if<std::string>(&parsed)) {
        std::fprintf(stderr, "vellumbrix-server: %s\n", problem->c_str());
        return 2;
    }
    const ServerOptions& options = std::get<ServerOptions>(parsed);
    if (options.help) {
        std::fputs(ServerUsage, stdout);
        return 0;
    }
    std::string problem;
    auto instance = OpenServiceInstance(options, problem);
    if (instance.IsError()) {
        std::fprintf(stderr, "vellumbrix-server: %s (code %u)\n", problem.c_str(), static_cast<unsigned>(instance.GetError()));
        return 1;
    }
    if (!options.admin.empty())
        return RunAdminCommand(**instance, std::vector<std::string>(options.admin.begin() + 1, options.admin.end()), stdout, stderr);
    return Serve(**instance, options);
}
