#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// The command line of vellumbrix-server.
struct ServerOptions {
    std::string listenHost { "127.0.0.1" };
    int listenPort { 8080 };
    int threads { 8 };
    std::string dataFolder;   // default: $XDG_DATA_HOME/vellumbrix-server
    std::string photosFolder; // default: DATA/photos
    // A PostgreSQL address; empty: SQLite in the data folder.
    std::string database;
    // Both given: the service speaks HTTPS with this certificate (chain)
    // and key, PEM files.
    std::string tlsCertificate;
    std::string tlsKey;
    std::size_t maxBodyBytes { 48u << 20 };
    std::string publicHost;
    std::uint32_t defaultQuota { 1000 };
    int keepDeletionsDays { 400 };
    // "admin" and what follows: the administration command to run instead
    // of serving.
    std::vector<std::string> admin;
    bool help { false };
};

// The options, or a message saying what is wrong with them.
std::variant<ServerOptions, std::string> ParseServerOptions(const std::vector<std::string>& arguments);

extern const char* const ServerUsage;
