// gesui calc as a whole process: start, read the example profile and format file,
// calculate, write the tables, end.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>
#include <vector>

#include "kandoru/files/osa_file.h"
#include "largest_document.h"

extern char** environ;

namespace {

int runGesui(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void BM_GesuiCalcProcess(benchmark::State& state, const std::string& profile) {
    const std::filesystem::path examples = GESUI_EXAMPLES;
    const auto out = std::filesystem::temp_directory_path() / "gesui-bench-tables.tsv";
    for (auto _ : state) {
        int rc = runGesui({std::string(GESUI_BIN_DIR) + "/gesui", "calc", profile,
                           (examples / "standard.osb").string(), "--tables", out.string()});
        if (rc != 0) state.SkipWithError("gesui calc did not calculate cleanly");
    }
    std::filesystem::remove(out);
}
BENCHMARK_CAPTURE(BM_GesuiCalcProcess, long_line,
                  (std::filesystem::path(GESUI_EXAMPLES) / "long_line.osa").string())
    ->Unit(benchmark::kMillisecond);

// The largest document (200 route rows, 800 splits, 200 change points) saved as a file.
std::string largestProfile() {
    const auto path = std::filesystem::temp_directory_path() / "gesui-bench-largest.osa";
    kandoru::FileSave2(bench_support::largestDocument(), path);
    return path.string();
}
BENCHMARK_CAPTURE(BM_GesuiCalcProcess, largest, largestProfile())->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
