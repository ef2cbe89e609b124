#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QThread>
#include <QtEndian>
#include <QtGlobal>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A message is a 4-byte big-endian length and that many bytes of UTF-8; the first instance
// answers one acknowledgement byte once it has passed the message on.
constexpr int kLengthBytes = 4;
constexpr char kAcknowledgement = '\x06';
// A local peer has no reason to send more; anything larger is dropped unread.
constexpr quint32 kMaxMessageBytes = 64 * 1024;
// Between attempts to reach a first instance that holds the lock but does not listen yet.
constexpr int kConnectRetryMs = 20;

// A folder counts as the user's own only when it is a real directory (not a link that
// someone else placed) owned by the user and closed to everybody else.
bool isPrivateFolder(const QString& path) {
    struct stat status {};
    if (lstat(QFile::encodeName(path).constData(), &status) != 0)
        return false;
    return S_ISDIR(status.st_mode) && status.st_uid == getuid() &&
           (status.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

QString ensurePrivateFolder(const QString& path) {
    mkdir(QFile::encodeName(path).constData(), S_IRWXU);
    return isPrivateFolder(path) ? path : QString();
}

// The file name stem of an id: ids may hold any character, file names may not.
QString keyOf(const QString& id) {
    const QByteArray source = id.toUtf8() + '\0' + QByteArray::number(getuid());
    return QString::fromLatin1(
        QCryptographicHash::hash(source, QCryptographicHash::Sha1).toHex().left(24));
}

}  // namespace

QString SingleInstance::rendezvousFolder() {
    const QString runtime = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
    if (!runtime.isEmpty() && isPrivateFolder(runtime))
        return ensurePrivateFolder(runtime + QStringLiteral("/korvel-instances"));
    return ensurePrivateFolder(QStringLiteral("/tmp/korvel-instances-%1").arg(getuid()));
}

SingleInstance::SingleInstance(const QString& id, QObject* parent)
    : QObject(parent), instanceId(id) {
    const QString folder = rendezvousFolder();
    if (folder.isEmpty()) {
        // Without a private place nobody can be told apart; run rather than refuse to start.
        qWarning("No private folder for the single-instance lock; running unchecked");
        primary = true;
        return;
    }
    const QString stem = folder + QLatin1Char('/') + keyOf(id);
    serverPath = stem + QStringLiteral(".socket");
    lock = std::make_unique<QLockFile>(stem + QStringLiteral(".lock"));
    // A live first instance keeps its claim however long it runs; only a lock whose
    // process has died counts as stale.
    lock->setStaleLockTime(0);
    primary = lock->tryLock(0);
    if (primary)
        listen();
}

SingleInstance::~SingleInstance() {
    if (server)
        server->close();
}

void SingleInstance::listen() {
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so a socket file left here belongs to a crashed instance.
    QLocalServer::removeServer(serverPath);
    if (!server->listen(serverPath)) {
        qWarning("Single-instance server %s: %s", qPrintable(serverPath),
                 qPrintable(server->errorString()));
        return;
    }
    connect(server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
}

void SingleInstance::acceptConnection() {
    while (QLocalSocket* socket = server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->bytesAvailable() < kLengthBytes)
                return;
            uchar head[kLengthBytes];
            socket->peek(reinterpret_cast<char*>(head), kLengthBytes);
            const quint32 length = qFromBigEndian<quint32>(head);
            if (length > kMaxMessageBytes) {
                socket->abort();
                return;
            }
            if (socket->bytesAvailable() < kLengthBytes + qint64(length))
                return;
            socket->skip(kLengthBytes);
            const QString message = QString::fromUtf8(socket->read(length));
            socket->write(&kAcknowledgement, 1);
            socket->disconnectFromServer();
            emit messageReceived(message);
        });
    }
}

bool SingleInstance::sendMessage(const QString& message, int timeoutMs) {
    if (primary || serverPath.isEmpty())
        return false;
    const QByteArray body = message.toUtf8();
    if (quint32(body.size()) > kMaxMessageBytes)
        return false;
    QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    // The first instance may hold the lock a moment before it listens: try until the time
    // is up.
    for (;;) {
        socket.connectToServer(serverPath);
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        if (deadline.remainingTime() <= kConnectRetryMs)
            return false;
        QThread::msleep(kConnectRetryMs);
    }
    uchar head[kLengthBytes];
    qToBigEndian<quint32>(quint32(body.size()), head);
    socket.write(reinterpret_cast<const char*>(head), kLengthBytes);
    socket.write(body);
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    while (socket.bytesAvailable() < 1) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == kAcknowledgement;
}
