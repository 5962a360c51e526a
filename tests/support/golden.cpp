// Golden files, temporary folders and a scoped HOME for tests.
#include "support/golden.h"

#include <fstream>
#include <random>
#include <sstream>

#include "common/platform/environment.h"
#include "common/platform/paths.h"
#include "common/textfile.h"

namespace testing_support {

std::filesystem::path testData(std::string_view relative) {
    return std::filesystem::path(GESUI_TEST_DATA) / std::string(relative);
}

std::filesystem::path examplesDir() { return std::filesystem::path(GESUI_EXAMPLES); }
std::filesystem::path binDir() { return std::filesystem::path(GESUI_BIN_DIR); }

::testing::AssertionResult matchesGolden(std::string_view relative, std::string_view bytes) {
    auto golden = testData(relative);
    auto out = golden;
    out += ".out";
    auto expected = common::readFileBytes(golden);
    if (expected && *expected == bytes) {
        std::error_code ec;
        std::filesystem::remove(out, ec);
        return ::testing::AssertionSuccess();
    }
    {
        std::ofstream f(out, std::ios::binary);
        f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    if (!expected)
        return ::testing::AssertionFailure()
               << "golden file " << golden << " missing; output written to " << out;
    auto a = common::splitLines(*expected);
    auto b = common::splitLines(bytes);
    size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    std::ostringstream msg;
    msg << "output differs from " << golden << " (written to " << out << ")\n"
        << "first difference at line " << (i + 1) << ":\n"
        << "  expected: " << (i < a.size() ? a[i] : std::string("<end of file>")) << "\n"
        << "  actual:   " << (i < b.size() ? b[i] : std::string("<end of file>")) << "\n"
        << "  lines: expected " << a.size() << ", actual " << b.size() << "; bytes: expected "
        << expected->size() << ", actual " << bytes.size();
    return ::testing::AssertionFailure() << msg.str();
}

TempDir::TempDir() {
    std::random_device rd;
    auto base = std::filesystem::temp_directory_path();
    for (;;) {
        path_ = base / ("gesui-test-" + std::to_string(rd()));
        std::error_code ec;
        if (std::filesystem::create_directory(path_, ec)) break;
    }
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

ScopedHome::ScopedHome(const std::filesystem::path& home)
    : old_(platform::environmentVariable(platform::rendezvousVariable())) {
    platform::setEnvironmentVariable(platform::rendezvousVariable(), platform::pathToUtf8(home));
}

ScopedHome::~ScopedHome() {
    platform::setEnvironmentVariable(platform::rendezvousVariable(), old_);
}

}  // namespace testing_support
