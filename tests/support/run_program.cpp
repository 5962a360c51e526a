// The built programs run from tests, their output through files of a fresh folder.
#include "support/run_program.h"

#include "common/platform/paths.h"
#include "common/platform/process.h"
#include "common/textfile.h"
#include "support/golden.h"

namespace testing_support {

ProgramRun runProgram(const std::filesystem::path& program, const std::vector<std::string>& args,
                      const std::filesystem::path& home) {
    TempDir dir;
    platform::RunRequest request;
    request.program = program;
    request.arguments = args;
    request.standardOutput = dir / "stdout.txt";
    request.standardError = dir / "stderr.txt";
    if (!home.empty())
        request.environment.push_back(
            {std::string(platform::rendezvousVariable()), platform::pathToUtf8(home)});
    ProgramRun run;
    run.status = platform::runProgram(request);
    run.out = common::readFileBytes(request.standardOutput).value_or("");
    run.err = common::readFileBytes(request.standardError).value_or("");
    return run;
}

std::filesystem::path gesuiProgram() { return binDir() / platform::programFileName("gesui"); }

ProgramRun runGesui(const std::vector<std::string>& args, const std::filesystem::path& home) {
    return runProgram(gesuiProgram(), args, home);
}

std::vector<std::string> splitArguments(std::string_view line) {
    std::vector<std::string> args;
    std::string arg;
    bool inArg = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == ' ' || c == '\t') {
            if (inArg) args.push_back(arg);
            arg.clear();
            inArg = false;
            continue;
        }
        inArg = true;
        if (c == '\'') {
            const size_t end = line.find('\'', i + 1);
            arg += line.substr(i + 1, end - i - 1);
            i = end == std::string_view::npos ? line.size() : end;
        } else if (c == '"') {
            for (++i; i < line.size() && line[i] != '"'; ++i) {
                if (line[i] == '\\' && i + 1 < line.size() &&
                    (line[i + 1] == '"' || line[i + 1] == '\\'))
                    ++i;
                arg += line[i];
            }
        } else {
            arg += c;
        }
    }
    if (inArg) args.push_back(arg);
    return args;
}

std::string quoted(const std::filesystem::path& path) {
    return "'" + platform::pathToUtf8(path) + "'";
}

}  // namespace testing_support
