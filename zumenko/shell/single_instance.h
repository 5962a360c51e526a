// One running drawing program per user and rendezvous folder.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

namespace zumenko {

class SingleInstance {
public:
    // The lock file of this user and rendezvous folder (in the user's runtime folder, or
    // the home folder when there is none).
    static QString lockPath();

    // False only when another instance holds the lock. A lock that cannot be created at
    // all (no writable folder) does not keep the program from running.
    bool acquire();
    // Lets a new instance start (the old one may still be serving the clipboard).
    void release();

private:
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace zumenko
