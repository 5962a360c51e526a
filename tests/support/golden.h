// Golden-file comparison: a mismatch writes <golden>.out beside the golden file and
// reports the first differing line; scripts/promote-golden copies outputs over goldens.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace testing_support {

std::filesystem::path testData(std::string_view relative);
std::filesystem::path examplesDir();
std::filesystem::path binDir();

// Compares bytes with the golden file tests/data/<relative>.
::testing::AssertionResult matchesGolden(std::string_view relative, std::string_view bytes);

// A fresh empty folder below the build's temporary area, removed at destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const {
        return path_ / std::string(name);
    }

private:
    std::filesystem::path path_;
};

// Points HOME (and so the rendezvous folder) at a folder for the lifetime of the object.
class ScopedHome {
public:
    explicit ScopedHome(const std::filesystem::path& home);
    ~ScopedHome();

private:
    std::string old_;
    bool had_;
};

}  // namespace testing_support
