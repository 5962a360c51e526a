// gesui as a whole process: start and end alone (--help), calc (read the profile and the
// format file, calculate, write the tables) and draw (read the hand-off file, write the
// script), each on the largest document, so that the work compares with the start. The
// time of an iteration is the CPU time (user and system) of the gesui process, which other
// loads on the machine disturb less than its wall time.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>
#include <vector>

#include "kandoru/files/osa_file.h"
#include "largest_document.h"

extern char** environ;

namespace {

struct Run {
    int status = -1;
    double cpuSeconds = 0;
};

// Runs gesui with args, its output discarded.
Run runGesui(std::vector<std::string> args) {
    args.insert(args.begin(), std::string(GESUI_BIN_DIR) + "/gesui");
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid;
    Run run;
    if (posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        const auto seconds = [](const timeval& t) {
            return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
        };
        run.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    }
    posix_spawn_file_actions_destroy(&quiet);
    return run;
}

void measure(benchmark::State& state, const std::vector<std::string>& args, const char* what) {
    for (auto _ : state) {
        Run run = runGesui(args);
        if (run.status != 0) state.SkipWithError(what);
        state.SetIterationTime(run.cpuSeconds);
    }
}

const std::filesystem::path& examples() {
    static const std::filesystem::path dir = GESUI_EXAMPLES;
    return dir;
}

// The largest document (200 route rows, 800 splits, 200 change points) saved as a file.
std::string largestProfile() {
    const auto path = std::filesystem::temp_directory_path() / "gesui-bench-largest.osa";
    kandoru::FileSave2(bench_support::largestDocument(), path);
    return path.string();
}

// Its hand-off file, as gesui run writes it.
std::string largestHandoff() {
    const auto dir = std::filesystem::temp_directory_path() / "gesui-bench-run";
    runGesui({"run", largestProfile(), (examples() / "standard.osb").string(), "-o", dir.string()});
    return (dir / "XTemp.txt").string();
}

void BM_GesuiHelp(benchmark::State& state) { measure(state, {"--help"}, "gesui --help failed"); }
BENCHMARK(BM_GesuiHelp)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_GesuiCalc(benchmark::State& state, const std::string& profile) {
    const auto out = std::filesystem::temp_directory_path() / "gesui-bench-tables.tsv";
    measure(state,
            {"calc", profile, (examples() / "standard.osb").string(), "--tables", out.string()},
            "gesui calc did not calculate cleanly");
    std::filesystem::remove(out);
}
BENCHMARK_CAPTURE(BM_GesuiCalc, long_line, (examples() / "long_line.osa").string())
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GesuiCalc, largest, largestProfile())
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_GesuiDraw(benchmark::State& state, const std::string& handoff) {
    const auto out = std::filesystem::temp_directory_path() / "gesui-bench-JTemp.txt";
    measure(state, {"draw", handoff, "-o", out.string()}, "gesui draw did not draw cleanly");
    std::filesystem::remove(out);
}
BENCHMARK_CAPTURE(BM_GesuiDraw, largest, largestHandoff())
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
