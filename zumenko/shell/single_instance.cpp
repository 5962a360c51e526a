// The single-instance lock: a lock file holding the owner's process id, so that a lock
// left by a crashed instance is recognised as stale and taken over.
#include "zumenko/shell/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

#include "common/rendezvous.h"

namespace zumenko {

namespace {
// The rendezvous folder as a short key: instances sharing the hand-off and script files
// exclude each other, others (a test under its own home folder) do not.
QString rendezvousKey() {
    const QString rendezvous = QString::fromStdString(common::rendezvousFolder().string());
    return QString::fromLatin1(
        QCryptographicHash::hash(rendezvous.toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
}
}  // namespace

QString SingleInstance::lockPath() {
    const QString rendezvous = QString::fromStdString(common::rendezvousFolder().string());
    QString folder;
#ifdef Q_OS_WIN
    folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);  // per user
#else
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = rendezvous;  // the home folder
#endif
    return QDir(folder).filePath(QStringLiteral(".Zumenko-") + rendezvousKey() +
                                 QStringLiteral(".lock"));
}

QString SingleInstance::serverName() {
#ifdef Q_OS_WIN
    // A pipe name of this user's session; no folder.
    return QStringLiteral("Zumenko-") + qEnvironmentVariable("USERNAME") + QLatin1Char('-') +
           rendezvousKey();
#else
    // A socket file beside the lock file (the user's own folder, not the shared temp).
    QString path = lockPath();
    path.chop(5);  // ".lock"
    return path + QStringLiteral(".serve");
#endif
}

bool SingleInstance::serveUntilReplaced(std::function<void()> onEnd) {
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = serverName();
    // A socket left by an instance that died would keep the name taken.
    if (!server_->listen(name) && QLocalServer::removeServer(name) && !server_->listen(name)) {
        server_.reset();
        return false;
    }
    if (!server_->isListening()) {
        server_.reset();
        return false;
    }
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(),
                     [onEnd = std::move(onEnd)] { onEnd(); });
    return true;
}

bool SingleInstance::endPreviousServing(int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(timeoutMs)) return false;
    // The serving instance ends on the connection; its end closes the socket.
    socket.waitForDisconnected(timeoutMs);
    return true;
}

bool SingleInstance::acquire() {
    lock_ = std::make_unique<QLockFile>(lockPath());
    // A lock whose owner died is stale at once; one held by a live owner is never
    // removed, however old (the owner keeps a native lock on the file).
    if (lock_->tryLock(0)) return true;
    bool held = lock_->error() == QLockFile::LockFailedError;
    lock_.reset();
    return !held;
}

void SingleInstance::release() {
    if (lock_) lock_->unlock();
    lock_.reset();
}

}  // namespace zumenko
