#include "ui/InstanceChannel.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QtEndian>

namespace {

constexpr int kHeaderSize = 8;

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

InstanceChannel::~InstanceChannel() = default;

QString InstanceChannel::NameFor(const std::string& dataFolder)
{
    QByteArray digest = QCryptographicHash::hash(QByteArray::fromStdString(dataFolder), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("vellumbrix-") + QString::fromLatin1(digest.left(20));
}

bool InstanceChannel::Send(const QString& name, std::uint32_t dataType, const QByteArray& block, int timeoutMilliseconds)
{
    if (static_cast<std::uint32_t>(block.size()) > kMaximumBlock)
        return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMilliseconds))
        return false;
    socket.write(Header(dataType, static_cast<std::uint32_t>(block.size())) + block);
    if (!socket.waitForBytesWritten(timeoutMilliseconds))
        return false;
    // The owner answers with one byte once it has the whole message.
    return socket.waitForReadyRead(timeoutMilliseconds) && socket.read(1) == QByteArray(1, '\1');
}

bool InstanceChannel::Listen(const QString& name)
{
    // Someone answers: another instance owns the channel. (Listening would
    // not fail by itself: the server is made beside its name and renamed
    // into place.)
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(500))
        return false;
    delete m_server;
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(name)) {
        if (m_server->serverError() != QAbstractSocket::AddressInUseError)
            return false;
        // Left behind by an instance that ended without closing it.
        QLocalServer::removeServer(name);
        if (!m_server->listen(name))
            return false;
    }
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
