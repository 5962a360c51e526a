// The single-instance lock: a lock file holding the owner's process id, so that a lock
// left by a crashed instance is recognised as stale and taken over.
#include "zumenko/shell/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

#include "common/rendezvous.h"

namespace zumenko {

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
    // Keyed by the rendezvous folder: instances that share the hand-off and script files
    // exclude each other, others (a test under its own home folder) do not.
    const QByteArray key =
        QCryptographicHash::hash(rendezvous.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return QDir(folder).filePath(QStringLiteral(".Zumenko-") + QString::fromLatin1(key) +
                                 QStringLiteral(".lock"));
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
