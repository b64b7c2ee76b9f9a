#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

namespace {

constexpr quint32 Magic = 0x5a444b31;  // "ZDK1"
constexpr char Confirmation = 'K';

}  // namespace

QString SingleInstance::socketPath(const QString& programFolder) {
    const QByteArray hash =
        QCryptographicHash::hash(QFileInfo(programFolder).absoluteFilePath().toUtf8(), QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir() && QFileInfo(runtime).isWritable())
        return QDir(runtime).filePath(QStringLiteral("zodikeon-%1").arg(QString::fromLatin1(hash)));
    return QDir(QDir::tempPath())
        .filePath(QStringLiteral("zodikeon-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash)));
}

SingleInstance::SingleInstance(QString socketPath, QObject* parent) : QObject(parent), m_path(std::move(socketPath)) {}

SingleInstance::~SingleInstance() {
    if (m_server)
        m_server->close();
}

bool SingleInstance::forwardToRunning(const QStringList& files, int timeoutMs) {
    // In a shared temporary folder another user could have put a socket in our place.
    const QFileInfo info(m_path);
    if (info.exists() && info.ownerId() != ::getuid())
        return false;
    QLocalSocket socket;
    socket.connectToServer(m_path);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out << Magic << files;
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (socket.bytesAvailable() < 1)
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    char answer = 0;
    socket.getChar(&answer);
    socket.disconnectFromServer();
    return answer == Confirmation;
}

bool SingleInstance::listen() {
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_path)) {
        // Nobody answered on it (the caller asked first): a socket file left by a crash.
        QLocalServer::removeServer(m_path);
        if (!m_server->listen(m_path))
            return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
            readFrom(socket);
        }
    });
    return true;
}

void SingleInstance::readFrom(QLocalSocket* socket) {
    QDataStream in(socket);
    in.startTransaction();
    quint32 magic = 0;
    QStringList files;
    in >> magic >> files;
    if (!in.commitTransaction())
        return;  // the rest has not arrived yet
    if (magic != Magic) {
        socket->abort();
        return;
    }
    socket->putChar(Confirmation);
    socket->flush();
    deliver(files);
}

void SingleInstance::setHandler(std::function<void(const QStringList&)> handler) {
    m_handler = std::move(handler);
    const QList<QStringList> pending = std::exchange(m_pending, {});
    for (const QStringList& files : pending)
        deliver(files);
}

void SingleInstance::deliver(const QStringList& files) {
    if (m_handler)
        m_handler(files);
    else
        m_pending << files;
}
