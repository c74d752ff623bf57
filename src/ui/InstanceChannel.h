#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

class QLocalServer;
class QLocalSocket;
class QLockFile;

// The channel through which a second start of the program reaches the one
// already running on the same device folder: a local socket named after
// the device's data folder, open to the current user only. A message is a
// 32-bit data type and a block of bytes (at most 64 KB), as the handheld's
// copy-data messages carried them.
//
// Which instance owns the channel is settled by a lock file beside the
// socket, taken before the socket is made: of two starts at the same
// moment exactly one gets it, and the other finds that one (waiting for
// its socket if it is not listening yet). A lock whose owner has ended
// without giving it back (its process is gone) is taken over.
class InstanceChannel : public QObject {
    Q_OBJECT

public:
    // Data types.
    static constexpr std::uint32_t kBringToFront = 1;
    static constexpr std::uint32_t kMaximumBlock = 64 * 1024;

    explicit InstanceChannel(QObject* parent = nullptr);
    ~InstanceChannel() override;

    // The channel's name for a device's data folder.
    static QString NameFor(const std::string& dataFolder);
    // Hands a message to the instance that owns the channel; false when no
    // instance owns it, or the owner does not answer within the time.
    static bool Send(const QString& name, std::uint32_t dataType, const QByteArray& block = {}, int timeoutMilliseconds = 2000);
    // Makes this instance the channel's owner; false when another running
    // instance owns it. A channel left behind by an instance that ended
    // without closing it is taken over.
    bool Listen(const QString& name);
    // Whether a running instance (this one or another) owns the channel.
    static bool IsOwned(const QString& name);

signals:
    void messageReceived(std::uint32_t dataType, const QByteArray& block);

private:
    void Accept();
    void ReadFrom(QLocalSocket* socket);

    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server { nullptr };
    std::map<QLocalSocket*, QByteArray> m_pending;
};
