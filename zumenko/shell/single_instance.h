// One running drawing program per user and rendezvous folder.
#pragma once

#include <QLocalServer>
#include <QString>
#include <functional>
#include <memory>

#include "common/platform/instance_lock.h"

namespace zumenko {

class SingleInstance {
public:
    // The lock file of this user and rendezvous folder (in the user's runtime or temporary
    // folder, or the home folder when there is none).
    static QString lockPath();

    // False only when another instance holds the lock. A lock that cannot be created at
    // all (no writable folder) does not keep the program from running.
    bool acquire();
    // Lets a new instance start (the old one may still be serving the clipboard).
    void release();

    // After delivery, while this instance serves the clipboard: a new instance that starts
    // calls endPreviousServing(), and onEnd runs here. False when no one could listen.
    bool serveUntilReplaced(std::function<void()> onEnd);
    // Ends the clipboard serving of an earlier instance and waits (at most timeoutMs) until
    // it has gone, so that one drawing program runs at a time. False if none was serving.
    static bool endPreviousServing(int timeoutMs = 5000);

private:
    // Where a serving instance listens: one name per user and rendezvous folder.
    static QString serverName();

    platform::InstanceLock lock_;
    std::unique_ptr<QLocalServer> server_;
};

}  // namespace zumenko
