#include "ui/InstanceChannel.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <QtEndian>
#include <cerrno>
#include <signal.h>

namespace {

constexpr int kHeaderSize = 8;
// How long a sender waits between tries while the owner is not listening
// yet.
constexpr int kRetryMilliseconds = 20;

// The lock file of a channel: beside the sockets of local servers.
QString LockPathFor(const QString& name)
{
    return QDir(QDir::tempPath()).filePath(name + QStringLiteral(".lock"));
}

std::unique_ptr<QLockFile> LockFor(const QString& name)
{
    auto lock = std::make_unique<QLockFile>(LockPathFor(name));
    // The owner holds its lock for as long as it runs: a lock is stale only
    // when its process is gone, never because it is old.
    lock->setStaleLockTime(0);
    return lock;
}

QByteArray Header(std::uint32_t dataType, std::uint32_t length)
{
    QByteArray header(kHeaderSize, '\0');
    qToLittleEndian(dataType, header.data());
    qToLittleEndian(length, header.data() + 4);
    return header;
}

}

InstanceChannel::InstanceChannel(QObject* parent)
    : QObject(parent)
{
}

InstanceChannel::~InstanceChannel()
{
    // The socket goes before the lock, so that a new owner never finds this
    // one's socket still listening.
    delete m_server;
    m_server = nullptr;
}

QString InstanceChannel::NameFor(const std::string& dataFolder)
{
    QByteArray digest = QCryptographicHash::hash(QByteArray::fromStdString(dataFolder), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("vellumbrix-") + QString::fromLatin1(digest.left(20));
}

bool InstanceChannel::Send(const QString& name, std::uint32_t dataType, const QByteArray& block, int timeoutMilliseconds)
{
    if (static_cast<std::uint32_t>(block.size()) > kMaximumBlock)
        return false;
    QDeadlineTimer deadline(timeoutMilliseconds);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(name);
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime())))
            break;
        // An owner that has its lock but no socket yet is still starting.
        if (deadline.hasExpired() || !IsOwned(name))
            return false;
        QThread::msleep(kRetryMilliseconds);
    }
    socket.write(Header(dataType, static_cast<std::uint32_t>(block.size())) + block);
    if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
        return false;
    // The owner answers with one byte once it has the whole message.
    return socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())) && socket.read(1) == QByteArray(1, '\1');
}

bool InstanceChannel::IsOwned(const QString& name)
{
    // Only looked at, never taken: taking a lock to test it would, for a
    // moment, make a running owner look absent to everyone else.
    QString path = LockPathFor(name);
    if (!QFileInfo::exists(path))
        return false;
    QLockFile lock(path);
    qint64 pid = 0;
    QString host;
    QString application;
    // A lock file without its contents yet is being written by its owner.
    if (!lock.getLockInfo(&pid, &host, &application))
        return true;
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

bool InstanceChannel::Listen(const QString& name)
{
    if (m_lock)
        return true;
    auto lock = LockFor(name);
    if (!lock->tryLock(0))
        return false;
    // With the lock ours, a socket under the name can only be one left
    // behind by an owner that ended without closing it.
    QLocalServer::removeServer(name);
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name)) {
        delete server;
        return false;
    }
    m_server = server;
    m_lock = std::move(lock);
    connect(m_server, &QLocalServer::newConnection, this, &InstanceChannel::Accept);
    return true;
}

void InstanceChannel::Accept()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
            m_pending.erase(socket);
            socket->deleteLater();
        });
        ReadFrom(socket);
    }
}

void InstanceChannel::ReadFrom(QLocalSocket* socket)
{
    QByteArray& buffer = m_pending[socket];
    buffer += socket->readAll();
    if (buffer.size() < kHeaderSize)
        return;
    auto dataType = qFromLittleEndian<std::uint32_t>(buffer.constData());
    auto length = qFromLittleEndian<std::uint32_t>(buffer.constData() + 4);
    if (length > kMaximumBlock) {
        // Not a message of the program: dropped unread.
        m_pending.erase(socket);
        socket->abort();
        return;
    }
    if (static_cast<std::uint32_t>(buffer.size()) < kHeaderSize + length)
        return;
    QByteArray block = buffer.mid(kHeaderSize, static_cast<qsizetype>(length));
    m_pending.erase(socket);
    socket->write(QByteArray(1, '\1'));
    socket->flush();
    emit messageReceived(dataType, block);
}
