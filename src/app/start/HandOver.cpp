#include "app/start/HandOver.h"

#include "base/FsName.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tuk {

namespace {

// A folder path is at most a few kilobytes; a longer request is no request of ours.
constexpr qsizetype kLongestRequest = qsizetype{64} * 1024;
// A connection that sends nothing is dropped after this long.
constexpr int kRequestTimeoutMs = 5000;
constexpr char kTaken = 'y';

} // namespace

QString HandOverSocketPath(const QString& lockPath) {
    return QFileInfo(lockPath).path() + QStringLiteral("/Tu_K.sock");
}

bool IsOwnSocketFile(const QString& path) {
    struct stat st {};
    return lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISSOCK(st.st_mode) &&
           st.st_uid == geteuid();
}

bool PeerIsThisUser(qintptr socketDescriptor) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return getsockopt(static_cast<int>(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) ==
               0 &&
           size == sizeof peer && peer.uid == geteuid();
}

HandOverServer::HandOverServer(QString socketPath, QObject* parent)
    : QObject(parent), path_(std::move(socketPath)), server_(new QLocalServer(this)) {
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &HandOverServer::OnConnection);
}

HandOverServer::~HandOverServer() {
    server_->close(); // removes the socket file
}

QString HandOverServer::Listen() {
    QLocalServer::removeServer(path_);
    if (server_->listen(path_))
        return {};
    return QStringLiteral("%1: %2").arg(path_, server_->errorString());
}

void HandOverServer::OnConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!PeerIsThisUser(socket->socketDescriptor())) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { OnData(socket); });
        QTimer::singleShot(kRequestTimeoutMs, socket, &QLocalSocket::abort);
        OnData(socket); // what came with the connection
    }
}

void HandOverServer::OnData(QLocalSocket* socket) {
    const QByteArray buffered = socket->peek(kLongestRequest + 1);
    const qsizetype end = buffered.indexOf('\0');
    if (end < 0) {
        if (buffered.size() > kLongestRequest)
            socket->abort();
        return;
    }
    socket->read(end + 1);
    const QString folder = EscapedText(QByteArrayView(buffered).first(end));
    // The window takes the folder first, so a second start that ends on the answer leaves
    // the running copy with its folder chosen (or waiting for a run to end).
    Q_EMIT Requested(folder);
    socket->write(&kTaken, 1);
    socket->flush();
    socket->disconnectFromServer();
}

bool HandOver(const QString& socketPath, const QString& folder, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    for (;;) {
        // A socket file of another user, or something else at its place, is never trusted.
        if (QFileInfo::exists(socketPath) && !IsOwnSocketFile(socketPath))
            return false;
        if (IsOwnSocketFile(socketPath)) {
            socket.connectToServer(socketPath);
            if (socket.waitForConnected(static_cast<int>(deadline.remainingTime())))
                break;
            socket.abort();
        }
        // No socket yet: the running copy may still be starting.
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    if (!PeerIsThisUser(socket.socketDescriptor()))
        return false;
    QByteArray request = EscapedBytes(folder);
    request.append('\0');
    socket.write(request);
    QByteArray answer;
    while (answer.isEmpty() && socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
        answer = socket.read(1);
    return answer == QByteArray(1, kTaken);
}

} // namespace tuk
