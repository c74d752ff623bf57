#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <cstdint>
#include <map>
#include <string>

class QLocalServer;
class QLocalSocket;

// The channel through which a second start of the program reaches the one
// already running on the same device folder: a local socket named after
// the device's data folder, open to the current user only. A message is a
// 32-bit data type and a block of bytes (at most 64 KB), as the handheld's
// copy-data messages carried them.
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
    // instance answers within the time.
    static bool Send(const QString& name, std::uint32_t dataType, const QByteArray& block = {}, int timeoutMilliseconds = 2000);
    // Makes this instance the channel's owner; false when another running
    // instance owns it. A channel left behind by an instance that ended
    // without closing it is taken over.
    bool Listen(const QString& name);

signals:
    void messageReceived(std::uint32_t dataType, const QByteArray& block);

private:
    void Accept();
    void ReadFrom(QLocalSocket* socket);

    QLocalServer* m_server { nullptr };
    std::map<QLocalSocket*, QByteArray> m_pending;
};
