// The single-instance lock: a lock the system drops when its holder ends, so that a lock
// left by a crashed instance never keeps the next one out; and the clipboard serving's
// local socket.
#include "zumenko/shell/single_instance.h"

#include <QCryptographicHash>
#include <QLocalSocket>

#include "common/platform/paths.h"
#include "common/rendezvous.h"

namespace zumenko {

namespace {
// The rendezvous folder as a short key: instances sharing the hand-off and script files
// exclude each other, others (a test under its own home folder) do not.
QString rendezvousKey() {
    const QByteArray rendezvous = QByteArray::fromStdString(common::rendezvousFolderText());
    return QString::fromLatin1(
        QCryptographicHash::hash(rendezvous, QCryptographicHash::Sha1).toHex().left(12));
}
}  // namespace

QString SingleInstance::lockPath() {
    const auto file =
        platform::lockFolder() / (".Zumenko-" + rendezvousKey().toStdString() + ".lock");
    return QString::fromStdString(platform::pathToUtf8(file));
}

QString SingleInstance::serverName() {
    // The user's own folder, not the shared temporary one (a pipe of the session on
    // Windows, where the rendezvous key is per user already).
    return QString::fromStdString(
        platform::localServerName(".Zumenko-" + rendezvousKey().toStdString() + ".serve"));
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
    const auto file = platform::pathFromUtf8(lockPath().toStdString());
    return lock_.acquire(file) != platform::InstanceLock::Result::Held;
}

void SingleInstance::release() { lock_.release(); }

}  // namespace zumenko
