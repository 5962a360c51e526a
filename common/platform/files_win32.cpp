// Folders, file replacing and the environment on Windows, all through the wide API.

// windows.h first: the other Windows headers need its definitions.
#include <windows.h>

#include <shlobj.h>

#include <algorithm>

#include "common/platform/environment.h"
#include "common/platform/files.h"
#include "common/platform/paths.h"
#include "common/platform/safe_write.h"
#include "common/platform/win32_text.h"

namespace platform {
namespace {

using win32::utf8;
using win32::wide;

std::optional<std::wstring> wideVariable(const wchar_t* name) {
    SetLastError(ERROR_SUCCESS);
    DWORD n = GetEnvironmentVariableW(name, nullptr, 0);
    if (n == 0)
        return GetLastError() == ERROR_ENVVAR_NOT_FOUND ? std::nullopt
                                                        : std::optional<std::wstring>(L"");
    std::wstring value;
    for (;;) {  // the value may grow between the calls
        value.assign(n, L'\0');
        const DWORD got = GetEnvironmentVariableW(name, value.data(), n);
        if (got < n) {
            value.resize(got);
            return value;
        }
        n = got;
    }
}

std::string lastErrorText(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string s = n ? utf8(std::wstring_view(text, n)) : "error " + std::to_string(code);
    if (text) LocalFree(text);
    while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' ')) s.pop_back();
    return s;
}

}  // namespace

std::filesystem::path rendezvousFolder() {
    if (auto profile = wideVariable(L"USERPROFILE"); profile && !profile->empty())
        return std::filesystem::path(*profile);
    wchar_t* known = nullptr;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Profile, 0, nullptr, &known)) && known) {
        std::filesystem::path p(known);
        CoTaskMemFree(known);
        return p;
    }
    if (known) CoTaskMemFree(known);
    return std::filesystem::current_path();
}

std::string_view rendezvousVariable() { return "USERPROFILE"; }

std::filesystem::path lockFolder() {
    wchar_t buf[MAX_PATH + 1];
    const DWORD n = GetTempPathW(MAX_PATH + 1, buf);
    if (n > 0 && n <= MAX_PATH) {
        std::error_code ec;
        std::filesystem::path p(std::wstring(buf, n));
        if (std::filesystem::is_directory(p, ec)) return p;
    }
    return rendezvousFolder();
}

std::string localServerName(std::string_view fileName) { return std::string(fileName); }

std::optional<std::string> narrowFileName(const std::filesystem::path& path) {
    const auto fits = [](const std::wstring& w) -> std::optional<std::string> {
        BOOL lossy = FALSE;
        const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, w.c_str(), -1, nullptr, 0,
                                          nullptr, &lossy);
        if (n <= 0 || lossy) return std::nullopt;
        std::string s(static_cast<size_t>(n), '\0');
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, w.c_str(), -1, s.data(), n, nullptr,
                            &lossy);
        s.resize(static_cast<size_t>(n - 1));
        return s;
    };
    const std::wstring full = std::filesystem::absolute(path).wstring();
    if (auto s = fits(full)) return s;
    // The short (8.3) name exists only for an existing file, and only where the volume
    // keeps short names.
    HANDLE h = CreateFileW(full.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return std::nullopt;
    CloseHandle(h);
    const DWORD n = GetShortPathNameW(full.c_str(), nullptr, 0);
    if (n == 0) return std::nullopt;
    std::wstring shortName(n, L'\0');
    const DWORD got = GetShortPathNameW(full.c_str(), shortName.data(), n);
    if (got == 0 || got >= n) return std::nullopt;
    shortName.resize(got);
    return fits(shortName);
}

std::string programFileName(std::string_view name) { return std::string(name) + ".exe"; }

namespace files {
namespace {

Failure failure(DWORD code) {
    WriteFault fault = WriteFault::Other;
    switch (code) {
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            fault = WriteFault::DiskFull;
            break;
        case ERROR_ACCESS_DENIED:
            fault = WriteFault::NoPermission;
            break;
        case ERROR_WRITE_PROTECT:
            fault = WriteFault::ReadOnlyDrive;
            break;
        case ERROR_PATH_NOT_FOUND:
            fault = WriteFault::NoFolder;
            break;
        default:
            break;
    }
    return {fault, lastErrorText(code)};
}

// Brings the file's bytes to the disk, and closes it in any case.
Failure flushAndClose(HANDLE h) {
    const Failure f = FlushFileBuffers(h) ? Failure{} : failure(GetLastError());
    if (!CloseHandle(h) && !f) return failure(GetLastError());
    return f;
}

}  // namespace

Failure checkReplaceable(const std::filesystem::path& target) {
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return {};  // a new file, or a missing folder
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return {WriteFault::IsFolder, ""};
    if (attributes & FILE_ATTRIBUTE_READONLY) return {WriteFault::ReadOnlyFile, ""};
    return {};
}

// The new file takes the folder's inherited permissions, as a file the user saves anew.
Failure writeNew(const std::filesystem::path& tmp, std::string_view bytes,
                 const std::filesystem::path&) {
    // CREATE_ALWAYS replaces a crash's leftover of the same name.
    HANDLE h = CreateFileW(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return failure(GetLastError());
    for (size_t done = 0; done < bytes.size();) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        DWORD n = 0;
        const BOOL wrote = WriteFile(h, bytes.data() + done, chunk, &n, nullptr);
        if (!wrote || n == 0) {
            const Failure f = failure(wrote ? ERROR_DISK_FULL : GetLastError());
            CloseHandle(h);
            return f;
        }
        done += n;
    }
    return flushAndClose(h);
}

Failure settle(const std::filesystem::path& tmp, const std::filesystem::path&) {
    HANDLE h = CreateFileW(tmp.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return failure(GetLastError());
    return flushAndClose(h);
}

Failure replace(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return failure(GetLastError());
}

// MOVEFILE_WRITE_THROUGH already waited for the rename.
void syncFolder(const std::filesystem::path&) {}

}  // namespace files

std::optional<std::string> environmentVariable(std::string_view name) {
    auto value = wideVariable(wide(name).c_str());
    if (!value) return std::nullopt;
    return utf8(*value);
}

void setEnvironmentVariable(std::string_view name, const std::optional<std::string>& value) {
    const std::wstring n = wide(name);
    SetEnvironmentVariableW(n.c_str(), value ? wide(*value).c_str() : nullptr);
    // The C runtime keeps a copy of its own, which getenv reads.
    _wputenv_s(n.c_str(), value ? wide(*value).c_str() : L"");
}

}  // namespace platform
