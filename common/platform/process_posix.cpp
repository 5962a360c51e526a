// Starting programs on POSIX systems.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>

#include "common/platform/process.h"

extern char** environ;

namespace platform {
namespace {

// The environment with the request's changes, as "NAME=value" texts.
std::vector<std::string> changedEnvironment(const RunRequest& r) {
    std::vector<std::string> env;
    for (char** e = environ; e && *e; ++e) {
        std::string_view entry(*e);
        bool replaced = false;
        for (const auto& [name, value] : r.environment)
            if (entry.size() > name.size() && entry.compare(0, name.size(), name) == 0 &&
                entry[name.size()] == '=')
                replaced = true;
        if (!replaced) env.emplace_back(entry);
    }
    for (const auto& [name, value] : r.environment)
        if (value) env.push_back(name + "=" + *value);
    return env;
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
    std::vector<char*> p;
    for (auto& t : texts) p.push_back(t.data());
    p.push_back(nullptr);
    return p;
}

}  // namespace

bool startDetached(const std::filesystem::path& program, const std::filesystem::path& folder) {
    // Two forks, so that the program is nobody's child and leaves no zombie; a pipe that
    // closes on exec tells whether exec succeeded.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) return false;
    const std::string file = program.native();
    const std::string dir = folder.native();
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(report[0]);
        ::close(report[1]);
        return false;
    }
    if (child == 0) {
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild == 0) {
            if (!dir.empty() && ::chdir(dir.c_str()) != 0) {
                const int e = errno;
                (void)!::write(report[1], &e, sizeof e);
                ::_exit(127);
            }
            char* argv[] = {const_cast<char*>(file.c_str()), nullptr};
            ::execv(file.c_str(), argv);
            const int e = errno;
            (void)!::write(report[1], &e, sizeof e);
            ::_exit(127);
        }
        ::_exit(grandchild < 0 ? 1 : 0);
    }
    ::close(report[1]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int execError = 0;
    ssize_t n;
    while ((n = ::read(report[0], &execError, sizeof execError)) < 0 && errno == EINTR) {
    }
    ::close(report[0]);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && n == 0;
}

int runProgram(const RunRequest& r) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!r.standardOutput.empty())
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, r.standardOutput.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (!r.standardError.empty())
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, r.standardError.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> args{r.program.native()};
    args.insert(args.end(), r.arguments.begin(), r.arguments.end());
    std::vector<std::string> env = changedEnvironment(r);
    std::vector<char*> argv = pointers(args);
    std::vector<char*> envp = pointers(env);
    pid_t pid;
    const int started =
        ::posix_spawn(&pid, r.program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0) return -1;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

unsigned long processId() { return static_cast<unsigned long>(::getpid()); }

}  // namespace platform
