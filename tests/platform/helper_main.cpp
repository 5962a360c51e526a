// A small program the platform tests start: it shows what it received and does one thing.
//   platform_helper echo ARG...     each argument on a line of standard output (UTF-8)
//   platform_helper env NAME        the variable's value on standard error, or "(unset)"
//   platform_helper lock FILE       exit status 0 when it took the lock, 1 held, 2 failed
//   platform_helper                 (as a sibling is started) writes started.txt into the
//                                   working folder
#include <iostream>

#include "common/platform/console.h"
#include "common/platform/environment.h"
#include "common/platform/instance_lock.h"
#include "common/platform/paths.h"
#include "common/platform/safe_write.h"

int main(int argc, char** argv) {
    platform::setUpConsole();
    const auto args = platform::commandLineArguments(argc, argv);
    if (args.size() < 2)
        return platform::writeFileAtomic(std::filesystem::current_path() / "started.txt", "") ? 0
                                                                                              : 1;
    const std::string& what = args[1];
    if (what == "echo") {
        for (size_t i = 2; i < args.size(); ++i) std::cout << args[i] << '\n';
        return 0;
    }
    if (args.size() < 3) return 9;
    if (what == "env") {
        std::cerr << platform::environmentVariable(args[2]).value_or("(unset)");
        return 0;
    }
    if (what == "lock") {
        platform::InstanceLock lock;
        switch (lock.acquire(platform::pathFromUtf8(args[2]))) {
            case platform::InstanceLock::Result::Acquired:
                return 0;
            case platform::InstanceLock::Result::Held:
                return 1;
            case platform::InstanceLock::Result::Unavailable:
                return 2;
        }
    }
    return 9;
}
