// Golden-file comparison: a mismatch writes <golden>.out beside the golden file and
// reports the first differing line; scripts/promote-golden copies outputs over goldens.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "common/platform/paths.h"

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
        return path_ / platform::pathFromUtf8(name);
    }

private:
    std::filesystem::path path_;
};

// Points the rendezvous folder (HOME, or USERPROFILE on Windows) at a folder for the
// lifetime of the object.
class ScopedHome {
public:
    explicit ScopedHome(const std::filesystem::path& home);
    ~ScopedHome();
    ScopedHome(const ScopedHome&) = delete;
    ScopedHome& operator=(const ScopedHome&) = delete;

private:
    std::optional<std::string> old_;
};

}  // namespace testing_support
