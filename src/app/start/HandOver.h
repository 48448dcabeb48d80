#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace tuk {

// A second start hands its folder to the running copy through a local socket beside the
// lock ("Tu_K.sock" beside "Tu_K.lock"), in the user's own settings folder. A request is the
// folder's bytes (EscapedBytes of the text) and a NUL; an empty folder only asks the window
// to come to the front. The running copy answers one byte, 'y', once it has taken the request.
// Both ends make sure the other is this same user: the client takes only a socket file that
// this user owns, and either side drops a peer whose credentials name another user.
QString HandOverSocketPath(const QString& lockPath);

// Whether the file at the path is a socket owned by this user (a link is not followed).
bool IsOwnSocketFile(const QString& path);
// Whether the process at the other end of a connected local socket runs as this user.
bool PeerIsThisUser(qintptr socketDescriptor);

// The running copy's end. It listens only while this process holds the lock, so a socket
// left at the path is stale by then and is replaced.
class HandOverServer : public QObject {
    Q_OBJECT
public:
    explicit HandOverServer(QString socketPath, QObject* parent = nullptr);
    ~HandOverServer() override;

    // Listens, owner-only; empty on success, else what failed.
    QString Listen();

Q_SIGNALS:
    // A request of this user: the folder, or empty to only come to the front.
    void Requested(const QString& folder);

private:
    void OnConnection();
    void OnData(QLocalSocket* socket);

    QString path_;
    QLocalServer* server_;
};

// The second start's end: sends the folder (empty: only "come to the front") and waits for
// the running copy to take it. False when there is no socket of this user's running copy, or
// it does not answer in time; a running copy that is still starting is waited for briefly.
bool HandOver(const QString& socketPath, const QString& folder, int timeoutMs = 5000);

} // namespace tuk
